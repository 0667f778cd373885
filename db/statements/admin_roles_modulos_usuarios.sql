-- The rights that apply to one user (IdUsuario): one row per module, joining the rights of
-- the user's role with the option's key and tab. Should a user hold several roles, a right
-- is "Si" when any of them grants it with exactly "Si" (the comparison is binary, so "si"
-- still denies).
SELECT o.SNombreForm_Programa, o.IdTab, o.IdOpcion,
       IF(MAX(BINARY p.acceder = 'Si'), 'Si', 'No') AS Acceder,
       IF(MAX(BINARY p.insertar = 'Si'), 'Si', 'No') AS Insertar,
       IF(MAX(BINARY p.editar = 'Si'), 'Si', 'No') AS Editar,
       IF(MAX(BINARY p.eliminar = 'Si'), 'Si', 'No') AS Eliminar,
       IF(MAX(BINARY p.imprimir = 'Si'), 'Si', 'No') AS Imprimir,
       IF(MAX(BINARY p.exportar = 'Si'), 'Si', 'No') AS Exportar
FROM admin_roles_usuarios ru
JOIN admin_permisos_roles p ON p.IdRol = ru.IdRol
JOIN master_opciones o ON o.IdOpcion = p.IdOpcion
WHERE (:IdUsuario = '-1' OR ru.IdUsuario = :IdUsuario)
GROUP BY o.IdOpcion, o.SNombreForm_Programa, o.IdTab
ORDER BY o.IdTab, o.IdOpcion
