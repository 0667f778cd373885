-- People with their display columns (descriptions, current structure, indicators).
-- IVigencia: the credentials that fall due in that year or earlier (the validity
-- list shows both the expiring and the already expired ones); ETramiteINE "Si":
-- the credentials in paperwork.
SELECT p.IdPersonal, p.SCodigo, p.SNombre, p.SAPaterno, p.SAMaterno, p.ESexo,
       p.DFechaNacimiento, p.SINE, p.IVigencia, p.ETramiteINE, p.SCurp, p.STelefono,
       p.SCorreoElectronico, p.SDomicilio, p.IdCodigoPostal, p.IdMunicipio, p.IdSeccion,
       p.IdLocalidad, p.Activo, p.FechaAlta, p.SURL_Foto, p.SRUL_Huella,
       v.SNombreCompleto, v.IdEstructuraActual, v.Seccion, v.CodigoPostal, v.Municipio,
       v.Localidad, v.sHuella, v.sFoto, v.Edad
FROM master_personal p
JOIN vw_personal_datos v ON v.IdPersonal = p.IdPersonal
WHERE (:IdPersonal = '-1' OR p.IdPersonal = :IdPersonal)
  AND (:IdMunicipio = '-1' OR p.IdMunicipio = :IdMunicipio)
  AND (:IdSeccion = '-1' OR p.IdSeccion = :IdSeccion)
  AND (:IdCodigoPostal = '-1' OR p.IdCodigoPostal = :IdCodigoPostal)
  AND (:IdLocalidad = '-1' OR p.IdLocalidad = :IdLocalidad)
  AND (:Activo = '-1' OR p.Activo = :Activo)
  AND (:SINE = '-1' OR UPPER(TRIM(p.SINE)) = UPPER(TRIM(:SINE)))
  AND (:ETramiteINE = '-1' OR p.ETramiteINE = :ETramiteINE)
  AND (:IVigencia = '-1' OR (p.ETramiteINE <> 'Si' AND p.IVigencia <= :IVigencia))
ORDER BY p.IdPersonal
