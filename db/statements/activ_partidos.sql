-- Parties. Parameters: IdPartido, EActivo.
SELECT t.IdPartido, t.SCodigo, t.SNombre, t.SColor, t.EActivo
FROM activ_partidos t
WHERE (:IdPartido = '-1' OR t.IdPartido = :IdPartido)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdPartido
