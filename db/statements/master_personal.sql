-- People with their display columns. Parameters: IdPersonal, IdMunicipio, IdSeccion,
-- IdCodigoPostal, IdLocalidad, Activo, SINE, ETramiteINE, IVigencia.
--   SINE: the person holding that real voter key, compared trimmed and without regard to
--     case; "-" (credential in paperwork) and blanks match nobody, so they never count as a
--     key already registered.
--   IVigencia: the credentials that fall due in that year or earlier (the validity list
--     shows the ones expiring this year together with those already expired).
--   IdEstructuraActual: the structure of the person's latest current movement, 0 when the
--     person has none. sHuella/sFoto: "Con huella"/"Sin huella", "Con foto"/"Sin foto".
-- The display columns are those of vw_personal_datos, written out here because this list
-- opens every person at once and a join with the view would read each person twice.
SELECT p.IdPersonal, p.SCodigo, p.SNombre, p.SAPaterno, p.SAMaterno, p.ESexo,
       p.DFechaNacimiento, p.SINE, p.IVigencia, p.ETramiteINE, p.SCurp, p.STelefono,
       p.SCorreoElectronico, p.SDomicilio, p.IdCodigoPostal, p.IdMunicipio, p.IdSeccion,
       p.IdLocalidad, p.Activo, p.FechaAlta, p.SURL_Foto, p.SRUL_Huella,
       CONCAT_WS(' ', NULLIF(p.SAPaterno, ''), NULLIF(p.SAMaterno, ''), NULLIF(p.SNombre, ''))
         AS SNombreCompleto,
       COALESCE((SELECT a.IdEstructura FROM activ_asignaciones a
                  WHERE a.IdPersonal = p.IdPersonal AND a.EActualMov = 'Si'
                  ORDER BY a.IdAsignacion DESC LIMIT 1), 0) AS IdEstructuraActual,
       (SELECT x.SSeccion FROM activ_secciones x WHERE x.IdSeccion = p.IdSeccion) AS Seccion,
       (SELECT x.SCodigoPostal FROM master_codigo_postal x
         WHERE x.IdCodigoPostal = p.IdCodigoPostal) AS CodigoPostal,
       (SELECT x.SDescripcion FROM master_municipios x WHERE x.IdMunicipio = p.IdMunicipio)
         AS Municipio,
       (SELECT x.SLocalidad FROM master_localidades x WHERE x.IdLocalidad = p.IdLocalidad)
         AS Localidad,
       IF(COALESCE(TRIM(p.SRUL_Huella), '') = '', 'Sin huella', 'Con huella') AS sHuella,
       IF(COALESCE(TRIM(p.SURL_Foto), '') = '', 'Sin foto', 'Con foto') AS sFoto,
       TIMESTAMPDIFF(YEAR, p.DFechaNacimiento, CURDATE()) AS Edad
FROM master_personal p
WHERE (:IdPersonal = '-1' OR p.IdPersonal = :IdPersonal)
  AND (:IdMunicipio = '-1' OR p.IdMunicipio = :IdMunicipio)
  AND (:IdSeccion = '-1' OR p.IdSeccion = :IdSeccion)
  AND (:IdCodigoPostal = '-1' OR p.IdCodigoPostal = :IdCodigoPostal)
  AND (:IdLocalidad = '-1' OR p.IdLocalidad = :IdLocalidad)
  AND (:Activo = '-1' OR p.Activo = :Activo)
  AND (:SINE = '-1' OR p.SINEReal = UPPER(TRIM(:SINE)))
  AND (:ETramiteINE = '-1' OR p.ETramiteINE = :ETramiteINE)
  AND (:IVigencia = '-1' OR p.IVigencia <= :IVigencia)
ORDER BY p.IdPersonal
