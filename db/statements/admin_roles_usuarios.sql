SELECT ru.IdRolUsuario, ru.IdRol, ru.IdUsuario
FROM admin_roles_usuarios ru
WHERE (:IdRolUsuario = '-1' OR ru.IdRolUsuario = :IdRolUsuario)
  AND (:IdRol = '-1' OR ru.IdRol = :IdRol)
  AND (:IdUsuario = '-1' OR ru.IdUsuario = :IdUsuario)
