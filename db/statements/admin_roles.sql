-- Roles. Parameter: IdRol.
SELECT r.IdRol, r.SCodigo, r.SDescripcion, r.EActivo
FROM admin_roles r
WHERE (:IdRol = '-1' OR r.IdRol = :IdRol)
ORDER BY r.IdRol
