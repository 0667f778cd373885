-- Current assignments that point to a holder as leader, coordinator or activist;
-- with IdCargo and IdEstructura, the current holders of that position in that
-- structure (eligible new superiors).
SELECT a.IdAsignacion, a.IdPersonal, a.SINE, a.IdEstructura, a.IdCargo, a.IdLider,
       a.IdCoordinador, a.IdCoordinadorIndep, a.IdActivista, a.DFechaMovimiento,
       a.ETipoMovimiento, a.IdMotivo, a.IdZona, a.IdGradoEstudios, a.IdEstadoCivil,
       a.SFaceBook, a.STwitter, a.IdLocalidad, a.IdUsuarioRealizo, a.EActualMov,
       v.sCodigopersonal, v.SNombreCompleto, v.Cargo, v.Estructura, v.GradoEstudios, v.Edad,
       v.sGenero, v.Zona, v.Lider, v.Coordinador, v.CoordinadorIndep, v.Activista, v.Personal,
       v.Motivo, v.Localidad
FROM activ_asignaciones a
JOIN vw_asignaciones_datos v ON v.IdAsignacion = a.IdAsignacion
WHERE a.EActualMov = 'Si'
  AND (:IdLider = '-1' OR a.IdLider = :IdLider)
  AND (:IdCoordinador = '-1' OR a.IdCoordinador = :IdCoordinador)
  AND (:IdActivista = '-1' OR a.IdActivista = :IdActivista)
  AND (:IdEstructura = '-1' OR a.IdEstructura = :IdEstructura)
  AND (:IdCargo = '-1' OR a.IdCargo = :IdCargo)
ORDER BY v.SNombreCompleto
