-- Writes one action-log entry. Parameters: Usuario (the user's IdUsuario), Fecha
-- (year-month-day), Hora ("hh:nn:ss.zzz"), Descripcion, Nombre (the user's full name).
INSERT INTO kardex_sistema (IdUsuario, DFecha, SHora, SDescripcion, SNombre)
VALUES (:Usuario, :Fecha, :Hora, :Descripcion, :Nombre)
