-- Support deliveries with the person's data, the support type (ConceptoAp), the user who
-- saved the row (Usuario) and the person's latest current assignment (Lider, Coordinador,
-- Activista, Estructura, EstadoCivil, GradoEstudios). Parameters: IdApoyo, IdPersonal,
-- FechaInicio and FechaFin (year-month-day; requests from the first day to the end of the
-- last one). SSeccion, iVigencia and SNombrePersonal repeat Seccion, Vigencia and SNombre
-- under the names of the printed report.
SELECT ap.*, p.SCodigo AS sCodigopersonal, p.SINE, pd.Localidad, v.Lider, v.Coordinador,
       v.Activista, pd.SNombreCompleto, c.SConcepto AS ConceptoAp, v.Estructura,
       pd.Seccion, pd.Seccion AS SSeccion, p.IVigencia AS Vigencia, p.IVigencia AS iVigencia,
       p.STelefono, pd.Edad, v.EstadoCivil, v.GradoEstudios, p.SAPaterno, p.SAMaterno,
       p.SNombre, p.SNombre AS SNombrePersonal, u.sUsuario AS Usuario
FROM activ_apoyos ap
LEFT JOIN master_personal p ON p.IdPersonal = ap.IdPersonal
LEFT JOIN vw_personal_datos pd ON pd.IdPersonal = ap.IdPersonal
LEFT JOIN activ_conceptos_apoyos c ON c.IdConcepto = ap.IdConcepto
LEFT JOIN master_usuarios u ON u.IdUsuario = ap.IdUsuarioRealizo
LEFT JOIN vw_asignaciones_datos v
  ON v.IdAsignacion = (SELECT x.IdAsignacion FROM activ_asignaciones x
                        WHERE x.IdPersonal = ap.IdPersonal AND x.EActualMov = 'Si'
                        ORDER BY x.IdAsignacion DESC LIMIT 1)
WHERE (:IdApoyo = '-1' OR ap.IdApoyo = :IdApoyo)
  AND (:IdPersonal = '-1' OR ap.IdPersonal = :IdPersonal)
  AND (:FechaInicio = '-1' OR ap.dFechaSolicitud >= :FechaInicio)
  AND (:FechaFin = '-1' OR ap.dFechaSolicitud < DATE_ADD(:FechaFin, INTERVAL 1 DAY))
ORDER BY ap.dFechaSolicitud, ap.IdApoyo
