SELECT t.*, e.SEstado AS Estado
FROM activ_zonas t
LEFT JOIN master_estado e ON e.IdEstado = t.IdEstado
WHERE (:IdZona = '-1' OR t.IdZona = :IdZona)
  AND (:IdEstado = '-1' OR t.IdEstado = :IdEstado)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdZona
