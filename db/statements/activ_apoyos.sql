-- Support deliveries requested between two dates (year-month-day texts).
SELECT ap.IdApoyo, ap.SCodigo, ap.IdPersonal, ap.IdConcepto, ap.dFechaSolicitud,
       ap.SApoyoSolicitado, ap.dMonto, ap.URL_documentos, ap.IdUsuarioRealizo, ap.DFechaRealizo,
       p.SCodigo AS sCodigopersonal, p.SINE, l.SLocalidad AS Localidad,
       va.Lider, va.Coordinador, va.Activista,
       CONCAT_WS(' ', p.SNombre, p.SAPaterno, p.SAMaterno) AS SNombreCompleto,
       c.SConcepto AS ConceptoAp, va.Estructura
FROM activ_apoyos ap
JOIN master_personal p ON p.IdPersonal = ap.IdPersonal
LEFT JOIN master_localidades l ON l.IdLocalidad = p.IdLocalidad
LEFT JOIN activ_conceptos_apoyos c ON c.IdConcepto = ap.IdConcepto
LEFT JOIN (SELECT a.IdPersonal, MAX(v.Lider) AS Lider, MAX(v.Coordinador) AS Coordinador,
                  MAX(v.Activista) AS Activista, MAX(v.Estructura) AS Estructura
           FROM activ_asignaciones a
           JOIN vw_asignaciones_datos v ON v.IdAsignacion = a.IdAsignacion
           WHERE a.EActualMov = 'Si' GROUP BY a.IdPersonal) va ON va.IdPersonal = p.IdPersonal
WHERE (:IdApoyo = '-1' OR ap.IdApoyo = :IdApoyo)
  AND (:IdPersonal = '-1' OR ap.IdPersonal = :IdPersonal)
  AND (:FechaInicio = '-1' OR ap.dFechaSolicitud >= :FechaInicio)
  AND (:FechaFin = '-1' OR ap.dFechaSolicitud < DATE_ADD(:FechaFin, INTERVAL 1 DAY))
ORDER BY ap.dFechaSolicitud
