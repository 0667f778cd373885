-- Current movements (EActualMov "Si") with the assignment and display columns.
--   IdLider, IdCoordinador, IdActivista: the rows whose leader, coordinator or activist is
--     that person (the people a holder has under them);
--   IdEstructura with IdCargo: the current holders of that position in that structure, the
--     eligible new superiors (1 leaders, 2 coordinators, 3 activists).
SELECT *
FROM activ_asignaciones a
LEFT JOIN vw_asignaciones_datos v USING (IdAsignacion)
WHERE a.EActualMov = 'Si'
  AND (:IdLider = '-1' OR a.IdLider = :IdLider)
  AND (:IdCoordinador = '-1' OR a.IdCoordinador = :IdCoordinador)
  AND (:IdActivista = '-1' OR a.IdActivista = :IdActivista)
  AND (:IdEstructura = '-1' OR a.IdEstructura = :IdEstructura)
  AND (:IdCargo = '-1' OR a.IdCargo = :IdCargo)
ORDER BY a.IdAsignacion
