-- People who can be placed: active people without a current movement.
SELECT p.IdPersonal, CONCAT_WS(' ', p.SNombre, p.SAPaterno, p.SAMaterno) AS Nombre, p.SINE,
       p.SCodigo, p.IdLocalidad
FROM master_personal p
WHERE p.Activo = 'Si'
  AND (:IdPersonal = '-1' OR p.IdPersonal = :IdPersonal)
  AND NOT EXISTS (SELECT 1 FROM activ_asignaciones a
                  WHERE a.IdPersonal = p.IdPersonal AND a.EActualMov = 'Si')
ORDER BY Nombre
