-- Candidate superiors offered for a structure (IdEstructura; -1: every structure): active
-- people whose current movement there is as leader, coordinator or activist and is not a
-- "Baja". One row per person; IdCargo/Cargo give the person's highest such position.
SELECT h.IdPersonal, v.SNombreCompleto, p.SINE, h.IdCargo, c.SDescripcion AS Cargo
FROM (SELECT a.IdPersonal, MIN(a.IdCargo) AS IdCargo
        FROM activ_asignaciones a
       WHERE a.EActualMov = 'Si' AND a.IdCargo IN (1, 2, 3)
         AND COALESCE(a.ETipoMovimiento, '') <> 'Baja'
         AND (:IdEstructura = '-1' OR a.IdEstructura = :IdEstructura)
       GROUP BY a.IdPersonal) h
JOIN master_personal p ON p.IdPersonal = h.IdPersonal
JOIN vw_personal_datos v ON v.IdPersonal = h.IdPersonal
LEFT JOIN activ_cargos c ON c.IdCargo = h.IdCargo
WHERE p.Activo = 'Si'
ORDER BY v.SNombreCompleto
