-- Module options. Parameter: IdOpcion. New options are inserted with IdOpcion 0 and
-- numbered by the database.
SELECT o.IdOpcion, o.SNombreForm_Programa, o.SDescripcion, o.IdTab, o.EActivo
FROM master_opciones o
WHERE (:IdOpcion = '-1' OR o.IdOpcion = :IdOpcion)
ORDER BY o.IdOpcion
