-- Writes one action-log entry. Parameters: Usuario, Fecha (year-month-day), Hora, Descripcion, Nombre.
INSERT INTO kardex_sistema (IdUsuario, DFecha, SHora, SDescripcion, SNombre)
VALUES (:Usuario, :Fecha, :Hora, :Descripcion, :Nombre)
