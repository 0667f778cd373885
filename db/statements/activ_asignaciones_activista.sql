-- Candidate superiors for a structure: people whose current movement in it is as
-- leader, coordinator or activist.
SELECT DISTINCT a.IdPersonal, v.SNombreCompleto, a.IdCargo, v.Cargo
FROM activ_asignaciones a
JOIN vw_asignaciones_datos v ON v.IdAsignacion = a.IdAsignacion
WHERE a.EActualMov = 'Si' AND a.IdCargo IN (1, 2, 3)
  AND (:IdEstructura = '-1' OR a.IdEstructura = :IdEstructura)
ORDER BY v.SNombreCompleto
