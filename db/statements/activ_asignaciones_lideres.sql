-- Position holders (leaders, coordinators, activists: positions below IdCargo) with a
-- current movement in the user's structures (IdEstructura 0) or in one structure.
SELECT a.IdAsignacion, a.IdPersonal, a.SINE, v.SNombreCompleto, a.IdCargo, v.Cargo,
       a.IdEstructura, v.Estructura, a.IdLider, a.IdCoordinador, a.IdActivista
FROM activ_asignaciones a
JOIN vw_asignaciones_datos v ON v.IdAsignacion = a.IdAsignacion
WHERE (:EActualMov = '-1' OR a.EActualMov = :EActualMov)
  AND (:IdCargo = '-1' OR a.IdCargo < :IdCargo)
  AND (:IdPersonal = '-1' OR a.IdPersonal = :IdPersonal)
  AND (:IdEstructura IN ('-1', '0') OR a.IdEstructura = :IdEstructura)
  AND (:IdUsuario = '-1' OR a.IdEstructura IN (SELECT ue.IdEstructura
        FROM activ_usuarios_estructuras ue WHERE ue.IdUsuario = :IdUsuario))
ORDER BY a.IdCargo, v.SNombreCompleto
