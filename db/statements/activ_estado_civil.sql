SELECT t.*
FROM activ_estado_civil t
WHERE (:IdEstadoCivil = '-1' OR t.IdEstadoCivil = :IdEstadoCivil)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdEstadoCivil
