-- People who can be placed by a new assignment: active people without a current movement
-- (a current "Baja" does not count: the person left and may enter again). Parameter:
-- IdPersonal. Nombre is the full name, surnames first.
SELECT p.IdPersonal, v.SNombreCompleto AS Nombre, p.SINE, p.SCodigo, p.IdLocalidad,
       v.SNombreCompleto
FROM master_personal p
JOIN vw_personal_datos v ON v.IdPersonal = p.IdPersonal
WHERE p.Activo = 'Si'
  AND (:IdPersonal = '-1' OR p.IdPersonal = :IdPersonal)
  AND NOT EXISTS (SELECT 1 FROM activ_asignaciones a
                  WHERE a.IdPersonal = p.IdPersonal AND a.EActualMov = 'Si'
                    AND COALESCE(a.ETipoMovimiento, '') <> 'Baja')
ORDER BY Nombre
