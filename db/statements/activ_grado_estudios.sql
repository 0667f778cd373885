-- Education levels. Parameters: IdGradoEstudios, EActivo.
SELECT t.IdGradoEstudios, t.sCodigo, t.sDescripcion, t.EActivo
FROM activ_grado_estudios t
WHERE (:IdGradoEstudios = '-1' OR t.IdGradoEstudios = :IdGradoEstudios)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdGradoEstudios
