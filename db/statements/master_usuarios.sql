-- Users. Parameters: IdUsuario, IdEstructura (the users who work with that structure),
-- EActivo. PasswordDecript is the stored password in clear for the users window: ordinary
-- users' passwords are stored with AES_ENCRYPT and the key 'RTV8493' (see actualizaPass);
-- the administrator's is kept as typed and comes back unchanged. Estructura (the user's
-- structures) and Departamento (the user's role) are display columns.
SELECT u.IdUsuario, u.sUsuario, u.sMail, u.sNombre, u.Telefono, u.EActivo, u.EAdmin,
       u.sPassword,
       COALESCE(CONVERT(AES_DECRYPT(u.sPassword, 'RTV8493') USING utf8mb4),
                CONVERT(u.sPassword USING utf8mb4)) AS PasswordDecript,
       (SELECT GROUP_CONCAT(e.SDescripcion ORDER BY e.SDescripcion SEPARATOR ', ')
          FROM activ_usuarios_estructuras ue
          JOIN activ_estructuras e ON e.IdEstructura = ue.IdEstructura
         WHERE ue.IdUsuario = u.IdUsuario) AS Estructura,
       (SELECT GROUP_CONCAT(r.SDescripcion ORDER BY r.SDescripcion SEPARATOR ', ')
          FROM admin_roles_usuarios ru
          JOIN admin_roles r ON r.IdRol = ru.IdRol
         WHERE ru.IdUsuario = u.IdUsuario) AS Departamento
FROM master_usuarios u
WHERE (:IdUsuario = '-1' OR u.IdUsuario = :IdUsuario)
  AND (:EActivo = '-1' OR u.EActivo = :EActivo)
  AND (:IdEstructura = '-1' OR EXISTS (SELECT 1 FROM activ_usuarios_estructuras x
        WHERE x.IdUsuario = u.IdUsuario AND x.IdEstructura = :IdEstructura))
ORDER BY u.sUsuario
