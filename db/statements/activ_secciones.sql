-- Electoral sections with their municipality's name (Municipio). Parameters: IdSeccion,
-- IdMunicipio, EActivo.
SELECT t.IdSeccion, t.IdMunicipio, t.SSeccion, t.EActivo, m.SDescripcion AS Municipio
FROM activ_secciones t
LEFT JOIN master_municipios m ON m.IdMunicipio = t.IdMunicipio
WHERE (:IdSeccion = '-1' OR t.IdSeccion = :IdSeccion)
  AND (:IdMunicipio = '-1' OR t.IdMunicipio = :IdMunicipio)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.SSeccion
