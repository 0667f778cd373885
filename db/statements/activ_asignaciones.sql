-- Assignments. IdUsuario restricts to the user's structures (with IdEstructura 0);
-- IdEstructura above 0 to that structure; EActualMov "Si" to current movements.
SELECT a.IdAsignacion, a.IdPersonal, a.SINE, a.IdEstructura, a.IdCargo, a.IdLider,
       a.IdCoordinador, a.IdCoordinadorIndep, a.IdActivista, a.DFechaMovimiento,
       a.ETipoMovimiento, a.IdMotivo, a.IdZona, a.IdGradoEstudios, a.IdEstadoCivil,
       a.SFaceBook, a.STwitter, a.IdLocalidad, a.IdUsuarioRealizo, a.EActualMov,
       v.sCodigopersonal, v.SNombreCompleto, v.Cargo, v.Estructura, v.GradoEstudios, v.Edad,
       v.sGenero, v.Zona, v.Lider, v.Coordinador, v.CoordinadorIndep, v.Activista, v.Personal,
       v.Motivo, v.Localidad
FROM activ_asignaciones a
JOIN vw_asignaciones_datos v ON v.IdAsignacion = a.IdAsignacion
WHERE (:IdAsignacion = '-1' OR a.IdAsignacion = :IdAsignacion)
  AND (:DFechaMovimiento = '-1' OR a.DFechaMovimiento = :DFechaMovimiento)
  AND (:ETipoMovimiento = '-1' OR a.ETipoMovimiento = :ETipoMovimiento)
  AND (:SFaceBook = '-1' OR a.SFaceBook = :SFaceBook)
  AND (:STwitter = '-1' OR a.STwitter = :STwitter)
  AND (:IdUsuario = '-1' OR a.IdEstructura IN (SELECT ue.IdEstructura
        FROM activ_usuarios_estructuras ue WHERE ue.IdUsuario = :IdUsuario))
  AND (:IdEstructura IN ('-1', '0') OR a.IdEstructura = :IdEstructura)
  AND (:EActualMov = '-1' OR a.EActualMov = :EActualMov)
  AND (:IdPersonal = '-1' OR a.IdPersonal = :IdPersonal)
ORDER BY a.IdAsignacion
