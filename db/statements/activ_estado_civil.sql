-- Marital statuses. Parameters: IdEstadoCivil, EActivo.
SELECT t.IdEstadoCivil, t.SCodigo, t.SDescripcion, t.EActivo
FROM activ_estado_civil t
WHERE (:IdEstadoCivil = '-1' OR t.IdEstadoCivil = :IdEstadoCivil)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdEstadoCivil
