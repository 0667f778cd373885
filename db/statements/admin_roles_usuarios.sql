-- User-role links. Parameters: IdRolUsuario, IdRol, IdUsuario (the users window binds
-- -9 to get an empty list to append to).
SELECT ru.IdRolUsuario, ru.IdRol, ru.IdUsuario
FROM admin_roles_usuarios ru
WHERE (:IdRolUsuario = '-1' OR ru.IdRolUsuario = :IdRolUsuario)
  AND (:IdRol = '-1' OR ru.IdRol = :IdRol)
  AND (:IdUsuario = '-1' OR ru.IdUsuario = :IdUsuario)
ORDER BY ru.IdRolUsuario
