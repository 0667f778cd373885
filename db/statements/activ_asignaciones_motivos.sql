-- Motives of one movement type.
SELECT t.IdMotivo, t.SCodigo, t.sDescripcion, t.ETipoMovimiento, t.EActivo
FROM activ_motivos t
WHERE (:ETipoMovimiento = '-1' OR t.ETipoMovimiento = :ETipoMovimiento)
  AND t.EActivo = 'Si'
ORDER BY t.IdMotivo
