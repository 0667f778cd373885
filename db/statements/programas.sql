-- Rights of one role, with the option's tab for grouping.
SELECT p.IdRol, p.IdOpcion, p.acceder, p.insertar, p.editar, p.eliminar, p.imprimir, p.exportar,
       o.IdTab, o.SDescripcion AS Programa
FROM admin_permisos_roles p
JOIN master_opciones o ON o.IdOpcion = p.IdOpcion
WHERE (:IdRol = '-1' OR p.IdRol = :IdRol)
ORDER BY o.IdTab, p.IdOpcion
