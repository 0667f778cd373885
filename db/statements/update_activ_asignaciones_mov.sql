-- Current-movement flag (EActualMov := Estatus). Two calls:
--   (sINE, -1, IdAsignacionActual, "No"): the other rows of the person of row
--     IdAsignacionActual lose the flag, so that row is the person's current movement;
--   (sINE, IdAsignacion, -1, value): that row's flag takes the value.
-- The person's rows are found by the saved row's IdPersonal (and by the voter key sINE
-- when it is a real one): people whose credential is in paperwork all carry the key "-",
-- and one of them must not take the current movements of the others.
UPDATE activ_asignaciones a
JOIN activ_asignaciones s
  ON s.IdAsignacion = IF(:IdAsignacion <> '-1', :IdAsignacion, :IdAsignacionActual)
SET a.EActualMov = :Estatus
WHERE (:IdAsignacion <> '-1' AND a.IdAsignacion = s.IdAsignacion)
   OR (:IdAsignacion = '-1' AND a.IdAsignacion <> s.IdAsignacion
       AND (a.IdPersonal = s.IdPersonal
            OR (TRIM(:sINE) NOT IN ('', '-') AND a.SINE = TRIM(:sINE))))
