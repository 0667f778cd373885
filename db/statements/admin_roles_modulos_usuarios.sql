-- Module rights of one user: the rights of the user's role, one row per module.
SELECT o.SNombreForm_Programa, o.IdTab, o.IdOpcion, p.acceder AS Acceder,
       p.insertar AS Insertar, p.editar AS Editar, p.eliminar AS Eliminar,
       p.imprimir AS Imprimir, p.exportar AS Exportar, ru.IdUsuario
FROM admin_roles_usuarios ru
JOIN admin_permisos_roles p ON p.IdRol = ru.IdRol
JOIN master_opciones o ON o.IdOpcion = p.IdOpcion
WHERE (:IdUsuario = '-1' OR ru.IdUsuario = :IdUsuario)
ORDER BY o.IdTab, o.IdOpcion
