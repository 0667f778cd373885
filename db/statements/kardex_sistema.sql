-- The action log between two dates (FechaInicio, FechaFin: year-month-day texts; both
-- days included), oldest first.
SELECT k.IdKardex, k.IdUsuario, COALESCE(u.sUsuario, '') AS sUsuario, k.DFecha AS dIdFecha,
       k.SHora AS sHora, k.SDescripcion AS sDescripcion, k.SNombre AS sNombreUsuario
FROM kardex_sistema k
LEFT JOIN master_usuarios u ON u.IdUsuario = k.IdUsuario
WHERE (:FechaInicio = '-1' OR k.DFecha >= :FechaInicio)
  AND (:FechaFin = '-1' OR k.DFecha <= :FechaFin)
ORDER BY k.DFecha, k.SHora, k.IdKardex
