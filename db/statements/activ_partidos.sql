SELECT t.*
FROM activ_partidos t
WHERE (:IdPartido = '-1' OR t.IdPartido = :IdPartido)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdPartido
