-- States with the country's name (Paises). Parameters: IdEstado, IdPais, EActivo.
SELECT t.IdEstado, t.SCodigo, t.IdPais, t.SEstado, t.EActivo, p.SPais AS Paises
FROM master_estado t
LEFT JOIN master_pais p ON p.IdPais = t.IdPais
WHERE (:IdEstado = '-1' OR t.IdEstado = :IdEstado)
  AND (:IdPais = '-1' OR t.IdPais = :IdPais)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.SEstado
