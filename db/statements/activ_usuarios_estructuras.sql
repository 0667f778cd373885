-- The structures a user works with. Parameters: IdUsuario, IdEstructura.
SELECT ue.IdUsuario, ue.IdEstructura, e.SDescripcion AS NombreEstructura
FROM activ_usuarios_estructuras ue
JOIN activ_estructuras e ON e.IdEstructura = ue.IdEstructura
WHERE (:IdUsuario = '-1' OR ue.IdUsuario = :IdUsuario)
  AND (:IdEstructura = '-1' OR ue.IdEstructura = :IdEstructura)
ORDER BY e.SDescripcion
