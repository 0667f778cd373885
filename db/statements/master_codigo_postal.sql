-- Postal codes. Parameters: IdCodigoPostal, EActivo.
SELECT t.IdCodigoPostal, t.SCodigo, t.SCodigoPostal, t.EActivo
FROM master_codigo_postal t
WHERE (:IdCodigoPostal = '-1' OR t.IdCodigoPostal = :IdCodigoPostal)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.SCodigoPostal
