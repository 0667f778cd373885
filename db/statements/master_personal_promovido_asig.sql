-- The one person of the assignment being edited.
SELECT p.IdPersonal, CONCAT_WS(' ', p.SNombre, p.SAPaterno, p.SAMaterno) AS Nombre, p.SINE,
       p.SCodigo, p.IdLocalidad
FROM master_personal p
WHERE (:IdPersonal = '-1' OR p.IdPersonal = :IdPersonal)
ORDER BY Nombre
