-- The person of an assignment being edited or given a new position (IdPersonal), active or
-- not, placed or not.
SELECT p.IdPersonal, v.SNombreCompleto AS Nombre, p.SINE, p.SCodigo, p.IdLocalidad,
       v.SNombreCompleto
FROM master_personal p
JOIN vw_personal_datos v ON v.IdPersonal = p.IdPersonal
WHERE (:IdPersonal = '-1' OR p.IdPersonal = :IdPersonal)
ORDER BY Nombre
