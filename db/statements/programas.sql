-- Rights of one role (IdRol), one row per option, with the option's tab (IdTab) for
-- grouping and its caption (SDescripcion, also as Programa) for display.
SELECT p.IdRol, p.IdOpcion, p.acceder, p.insertar, p.editar, p.eliminar, p.imprimir,
       p.exportar, o.IdTab, o.SNombreForm_Programa, o.SDescripcion, o.SDescripcion AS Programa
FROM admin_permisos_roles p
LEFT JOIN master_opciones o ON o.IdOpcion = p.IdOpcion
WHERE (:IdRol = '-1' OR p.IdRol = :IdRol)
ORDER BY p.IdRol, p.IdOpcion
