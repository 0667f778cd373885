-- Current-movement flag. (sINE, -1, saved row, "No"): the person's other rows lose
-- the flag. (sINE, row, -1, value): that row's flag takes the value.
UPDATE activ_asignaciones
SET EActualMov = :Estatus
WHERE SINE = :sINE
  AND ((:IdAsignacion <> '-1' AND IdAsignacion = :IdAsignacion)
    OR (:IdAsignacion = '-1' AND :IdAsignacionActual <> '-1' AND IdAsignacion <> :IdAsignacionActual))
