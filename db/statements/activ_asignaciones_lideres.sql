-- Position holders: movements whose position is below IdCargo (4 gives leaders,
-- coordinators and activists). Parameters: IdCargo, EActualMov ("Si": current movements),
-- IdPersonal (one holder: the "current" line of the leader change), IdEstructura (that
-- structure; 0 or -1 leave it to IdUsuario), IdUsuario (the structures assigned to that
-- user).
SELECT a.IdAsignacion, a.IdPersonal, a.SINE, v.SNombreCompleto, a.IdCargo, v.Cargo,
       a.IdEstructura, v.Estructura, a.IdLider, a.IdCoordinador, a.IdActivista,
       a.ETipoMovimiento, a.EActualMov
FROM activ_asignaciones a
JOIN vw_asignaciones_datos v USING (IdAsignacion)
WHERE (:IdCargo = '-1' OR a.IdCargo < :IdCargo)
  AND (:EActualMov = '-1' OR a.EActualMov = :EActualMov)
  AND (:IdPersonal = '-1' OR a.IdPersonal = :IdPersonal)
  AND (:IdEstructura IN ('-1', '0') OR a.IdEstructura = :IdEstructura)
  AND (:IdUsuario = '-1' OR a.IdEstructura IN (SELECT ue.IdEstructura
        FROM activ_usuarios_estructuras ue WHERE ue.IdUsuario = :IdUsuario))
ORDER BY a.IdCargo, v.SNombreCompleto, a.IdAsignacion
