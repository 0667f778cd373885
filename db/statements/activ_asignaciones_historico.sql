-- Every movement, current and earlier, of every structure. With DFechaAlta it
-- returns the person's "Alta" movements after that date (movement-date check).
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
  AND (:IdPersonal = '-1' OR a.IdPersonal = :IdPersonal)
  AND (:DFechaAlta = '-1' OR (a.ETipoMovimiento = 'Alta' AND a.DFechaMovimiento > :DFechaAlta))
ORDER BY a.IdPersonal, a.DFechaMovimiento, a.IdAsignacion
