-- Positions. Parameters: IdCargo, EActivo.
SELECT t.IdCargo, t.SCodigo, t.SDescripcion, t.EActivo
FROM activ_cargos t
WHERE (:IdCargo = '-1' OR t.IdCargo = :IdCargo)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdCargo
