-- Localities with the names of their municipality, section and zone. Parameters:
-- IdLocalidad, IdMunicipio, IdSeccion, IdZona, EActivo.
SELECT t.IdLocalidad, t.SCodigo, t.IdMunicipio, t.IdSeccion, t.IdZona, t.SLocalidad,
       t.EActivo, m.SDescripcion AS Municipio, s.SSeccion AS Seccion, z.SDescripcion AS Zona
FROM master_localidades t
LEFT JOIN master_municipios m ON m.IdMunicipio = t.IdMunicipio
LEFT JOIN activ_secciones s ON s.IdSeccion = t.IdSeccion
LEFT JOIN activ_zonas z ON z.IdZona = t.IdZona
WHERE (:IdLocalidad = '-1' OR t.IdLocalidad = :IdLocalidad)
  AND (:IdMunicipio = '-1' OR t.IdMunicipio = :IdMunicipio)
  AND (:IdSeccion = '-1' OR t.IdSeccion = :IdSeccion)
  AND (:IdZona = '-1' OR t.IdZona = :IdZona)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.SLocalidad
