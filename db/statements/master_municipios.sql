-- Municipalities with their state's name (Estado). Parameters: IdMunicipio, IdEstado,
-- EActivo.
SELECT t.IdMunicipio, t.SCodigo, t.IdEstado, t.SDescripcion, t.EActivo, e.SEstado AS Estado
FROM master_municipios t
LEFT JOIN master_estado e ON e.IdEstado = t.IdEstado
WHERE (:IdMunicipio = '-1' OR t.IdMunicipio = :IdMunicipio)
  AND (:IdEstado = '-1' OR t.IdEstado = :IdEstado)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.SDescripcion
