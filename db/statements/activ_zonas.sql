-- Zones with their state's name (Estado). Parameters: IdZona, IdEstado, EActivo.
SELECT t.IdZona, t.SCodigo, t.IdEstado, t.SDescripcion, t.EActivo, e.SEstado AS Estado
FROM activ_zonas t
LEFT JOIN master_estado e ON e.IdEstado = t.IdEstado
WHERE (:IdZona = '-1' OR t.IdZona = :IdZona)
  AND (:IdEstado = '-1' OR t.IdEstado = :IdEstado)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdZona
