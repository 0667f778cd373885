-- Users. IdEstructura keeps the users that work with that structure.
-- PasswordDecript: the password in clear for editing (the administrator's row keeps it as typed).
SELECT u.IdUsuario, u.sUsuario, u.sMail, u.sNombre, u.Telefono, u.EActivo, u.sPassword,
       COALESCE(CAST(AES_DECRYPT(u.sPassword, 'RTV8493') AS CHAR), CAST(u.sPassword AS CHAR))
         AS PasswordDecript,
       (SELECT GROUP_CONCAT(e.SDescripcion ORDER BY e.SDescripcion SEPARATOR ', ')
          FROM activ_usuarios_estructuras ue
          JOIN activ_estructuras e ON e.IdEstructura = ue.IdEstructura
         WHERE ue.IdUsuario = u.IdUsuario) AS Estructura,
       (SELECT GROUP_CONCAT(r.SDescripcion SEPARATOR ', ')
          FROM admin_roles_usuarios ru JOIN admin_roles r ON r.IdRol = ru.IdRol
         WHERE ru.IdUsuario = u.IdUsuario) AS Departamento
FROM master_usuarios u
WHERE (:IdUsuario = '-1' OR u.IdUsuario = :IdUsuario)
  AND (:EActivo = '-1' OR u.EActivo = :EActivo)
  AND (:IdEstructura = '-1' OR EXISTS (SELECT 1 FROM activ_usuarios_estructuras x
        WHERE x.IdUsuario = u.IdUsuario AND x.IdEstructura = :IdEstructura))
ORDER BY u.sUsuario
