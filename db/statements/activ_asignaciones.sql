-- Assignment movements: the table's columns and the display and report columns of
-- vw_asignaciones_datos. Parameters:
--   IdAsignacion, DFechaMovimiento (year-month-day), ETipoMovimiento, SFaceBook, STwitter,
--   IdPersonal: equal to the value;
--   IdUsuario: only the structures assigned to that user (activ_usuarios_estructuras);
--   IdEstructura: that structure; 0 or -1 leave the structure to IdUsuario;
--   EActualMov: "Si" for the current movements, "No" for the earlier ones.
SELECT *
FROM activ_asignaciones a
LEFT JOIN vw_asignaciones_datos v USING (IdAsignacion)
WHERE (:IdAsignacion = '-1' OR a.IdAsignacion = :IdAsignacion)
  AND (:DFechaMovimiento = '-1' OR a.DFechaMovimiento = :DFechaMovimiento)
  AND (:ETipoMovimiento = '-1' OR a.ETipoMovimiento = :ETipoMovimiento)
  AND (:SFaceBook = '-1' OR a.SFaceBook = :SFaceBook)
  AND (:STwitter = '-1' OR a.STwitter = :STwitter)
  AND (:IdPersonal = '-1' OR a.IdPersonal = :IdPersonal)
  AND (:IdUsuario = '-1' OR a.IdEstructura IN (SELECT ue.IdEstructura
        FROM activ_usuarios_estructuras ue WHERE ue.IdUsuario = :IdUsuario))
  AND (:IdEstructura IN ('-1', '0') OR a.IdEstructura = :IdEstructura)
  AND (:EActualMov = '-1' OR a.EActualMov = :EActualMov)
ORDER BY a.IdAsignacion
