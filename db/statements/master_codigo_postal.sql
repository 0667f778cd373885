SELECT t.*
FROM master_codigo_postal t
WHERE (:IdCodigoPostal = '-1' OR t.IdCodigoPostal = :IdCodigoPostal)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.SCodigoPostal
