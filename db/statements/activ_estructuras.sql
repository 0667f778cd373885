-- Structures. Parameters: IdEstructura, EActivo.
SELECT t.IdEstructura, t.SCodigo, t.SDescripcion, t.EActivo
FROM activ_estructuras t
WHERE (:IdEstructura = '-1' OR t.IdEstructura = :IdEstructura)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdEstructura
