-- Motives of movements. Parameters: IdMotivo, EActivo, ETipoMovimiento.
SELECT t.IdMotivo, t.SCodigo, t.sDescripcion, t.ETipoMovimiento, t.EActivo
FROM activ_motivos t
WHERE (:IdMotivo = '-1' OR t.IdMotivo = :IdMotivo)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
  AND (:ETipoMovimiento = '-1' OR t.ETipoMovimiento = :ETipoMovimiento)
ORDER BY t.IdMotivo
