-- Motives of one movement type (ETipoMovimiento), active or not, so that an older
-- movement still shows its motive.
SELECT t.IdMotivo, t.SCodigo, t.sDescripcion, t.ETipoMovimiento, t.EActivo
FROM activ_motivos t
WHERE (:ETipoMovimiento = '-1' OR t.ETipoMovimiento = :ETipoMovimiento)
ORDER BY t.IdMotivo
