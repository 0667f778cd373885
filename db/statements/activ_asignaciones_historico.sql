-- Every movement, current and earlier, of every structure (the history reads the
-- assignment table itself, so deleting a row here deletes the movement). Parameters:
--   IdAsignacion, DFechaMovimiento, ETipoMovimiento, SFaceBook, STwitter, IdPersonal:
--   equal to the value (any row for a person means the person has assignment history);
--   DFechaAlta (year-month-day): the person's "Alta" movements dated after that day. The
--   assignment window refuses a movement date when this returns any row: the date would
--   be earlier than the person's "Alta".
SELECT *
FROM activ_asignaciones a
LEFT JOIN vw_asignaciones_datos v USING (IdAsignacion)
WHERE (:IdAsignacion = '-1' OR a.IdAsignacion = :IdAsignacion)
  AND (:DFechaMovimiento = '-1' OR a.DFechaMovimiento = :DFechaMovimiento)
  AND (:ETipoMovimiento = '-1' OR a.ETipoMovimiento = :ETipoMovimiento)
  AND (:SFaceBook = '-1' OR a.SFaceBook = :SFaceBook)
  AND (:STwitter = '-1' OR a.STwitter = :STwitter)
  AND (:IdPersonal = '-1' OR a.IdPersonal = :IdPersonal)
  AND (:DFechaAlta = '-1'
       OR (a.ETipoMovimiento = 'Alta' AND a.DFechaMovimiento > :DFechaAlta))
ORDER BY a.IdAsignacion
