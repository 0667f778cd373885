-- A small organisation with known answers, loaded after the schema and the base rows.
--
-- Structure 1 "TERRITORIAL": 1 leader (LUNA SOTO ANA), 2 coordinator, 3 activist and
-- 4 promoted person under them (4 also has an earlier movement in structure 2).
-- Structure 2 "JUVENIL": 5 and 6, credentials in paperwork ("-"), promoted persons.
-- 7: no movement, credential expired last year. 8: inactive, no movement.
-- 9: current movement is a "Baja". 10: no movement, credential valid until next year.
-- Users: 1 admin (password kept as typed), 2 capturista (structure 1 only).

INSERT INTO master_pais (IdPais, SCodigo, SPais) VALUES (71, 'MX', 'MÉXICO');
INSERT INTO master_estado (IdEstado, SCodigo, IdPais, SEstado) VALUES (53, 'EST000053', 71, 'HIDALGO');
INSERT INTO activ_zonas (IdZona, SCodigo, IdEstado, SDescripcion) VALUES (1, 'ZON000001', 53, 'ZONA 1');
INSERT INTO master_municipios (IdMunicipio, SCodigo, IdEstado, SDescripcion)
VALUES (1, 'MUN000001', 53, 'PACHUCA DE SOTO');
INSERT INTO activ_secciones (IdSeccion, IdMunicipio, SSeccion) VALUES (1, 1, '0001'), (44, 1, '0044');
INSERT INTO master_localidades (IdLocalidad, SCodigo, IdMunicipio, IdSeccion, IdZona, SLocalidad)
VALUES (1, 'LOC000001', 1, 1, 1, 'CENTRO');
INSERT INTO master_codigo_postal (IdCodigoPostal, SCodigo, SCodigoPostal)
VALUES (1, 'CP000001', '42000');

INSERT INTO activ_estructuras (IdEstructura, SCodigo, SDescripcion)
VALUES (1, 'ETR000001', 'TERRITORIAL'), (2, 'ETR000002', 'JUVENIL');
INSERT INTO activ_grado_estudios (IdGradoEstudios, sCodigo, sDescripcion)
VALUES (1, 'GES000001', 'LICENCIATURA');
INSERT INTO activ_estado_civil (IdEstadoCivil, SCodigo, SDescripcion)
VALUES (1, 'ECV000001', 'CASADO(A)');
INSERT INTO activ_motivos (IdMotivo, SCodigo, sDescripcion, ETipoMovimiento, EActivo) VALUES
(1, 'MOT000001', 'NUEVO INGRESO', 'Alta', 'Si'),
(2, 'MOT000002', 'RENUNCIA', 'Baja', 'Si'),
(3, 'MOT000003', 'CAMBIO DE ESTRUCTURA', 'Modificación', 'Si'),
(4, 'MOT000004', 'INVITACIÓN', 'Alta', 'No');
INSERT INTO activ_partidos (IdPartido, SCodigo, SNombre, SColor) VALUES (1, 'PAR000001', 'PARTIDO AZUL', '#1F4E9C');
INSERT INTO activ_candidatos (IdCandidato, IdPartido, SNombre) VALUES (1, 1, 'LAURA ISLAS TREJO');
INSERT INTO activ_tipos_campania (IdTipoCampania, SDescripcion) VALUES (1, 'GUBERNATURA');
INSERT INTO activ_campanias (IdCampania, SDescripcion, IAnio, IdPartido, IdCandidato, IdTipoCampania,
  IdEstado, IdMunicipio, IdZona)
VALUES (1, 'CAMPAÑA ESTATAL', 2025, 1, 1, 1, 53, 1, 1);
INSERT INTO activ_casillas (IdCasilla, SCodigo, IdCampania, IdZona, SDireccion, SLatitud, SLongitud)
VALUES (1, 'CAS000001', 1, 1, 'ESCUELA PRIMARIA JUÁREZ', '20.1', '-98.7');
INSERT INTO activ_conceptos_apoyos (IdConcepto, SCodigo, SConcepto) VALUES (1, 'APC000001', 'DESPENSA');

INSERT INTO master_personal (IdPersonal, SCodigo, SNombre, SAPaterno, SAMaterno, ESexo,
  DFechaNacimiento, SINE, IVigencia, ETramiteINE, STelefono, SDomicilio, IdCodigoPostal,
  IdMunicipio, IdSeccion, IdLocalidad, Activo, FechaAlta, SURL_Foto, SRUL_Huella) VALUES
(1, 'PER0000001', 'ANA', 'LUNA', 'SOTO', 'Mujer', '1980-05-17', 'LNSTAN80051713M100',
 YEAR(CURDATE()) + 5, 'No', '(771)100-000 1', 'ALLENDE 1', 1, 1, 1, 1, 'Si', CURDATE(),
 'https://orva.example/foto.jpg', 'HUELLA'),
(2, 'PER0000002', 'JUAN', 'PEREZ', 'CRUZ', 'Hombre', '1975-01-02', 'PRCRJN75010213H200',
 YEAR(CURDATE()) + 5, 'No', '', 'JUAREZ 2', 1, 1, 1, 1, 'Si', CURDATE(), '', NULL),
(3, 'PER0000003', 'ROSA', 'ISLAS', 'VERA', 'Mujer', '1990-07-30', 'ISVRRS90073013M300',
 YEAR(CURDATE()), 'No', '', 'HIDALGO 3', 1, 1, 1, 1, 'Si', CURDATE(), '', NULL),
(4, 'PER0000004', 'LUIS', 'MORA', 'DIAZ', 'Hombre', '2000-02-29', 'MRDZLS00022913H400',
 YEAR(CURDATE()) + 1, 'No', '', 'MORELOS 4', 1, 1, 1, 1, 'Si', CURDATE(), '', NULL),
(5, 'PER0000005', 'EVA', 'RUIZ', 'GIL', 'Mujer', '1999-03-03', '-', NULL, 'Si', '', '', 1, 1,
 44, 1, 'Si', CURDATE(), '', NULL),
(6, 'PER0000006', 'OMAR', 'SOSA', 'LIRA', 'Hombre', '1998-04-04', '-', NULL, 'Si', '', '', 1,
 1, 44, 1, 'Si', CURDATE(), '', NULL),
(7, 'PER0000007', 'IRMA', 'VEGA', 'TOVAR', 'Mujer', '1970-08-08', 'VGTVIR70080813M700',
 YEAR(CURDATE()) - 1, 'No', '', 'REFORMA 7', 1, 1, 1, 1, 'Si', CURDATE(), '', NULL),
(8, 'PER0000008', 'RAUL', 'NAVA', 'CANO', 'Hombre', '1960-09-09', 'NVCNRL60090913H800',
 YEAR(CURDATE()) + 3, 'No', '', 'VICTORIA 8', 1, 1, 1, 1, 'No', CURDATE(), '', NULL),
(9, 'PER0000009', 'SARA', 'LARA', 'PINO', 'Mujer', '1985-10-10', 'LRPNSR85101013M900',
 YEAR(CURDATE()) + 2, 'No', '', 'ZARAGOZA 9', 1, 1, 1, 1, 'Si', CURDATE(), '', NULL),
(10, 'PER0000010', 'HUGO', 'TAPIA', 'MENA', 'Hombre', '1995-11-11', 'TPMNHG95111113H010',
 YEAR(CURDATE()) + 1, 'No', '', 'ABASOLO 10', 1, 1, 1, 1, 'Si', CURDATE(), '', NULL);

INSERT INTO activ_asignaciones (IdAsignacion, IdPersonal, SINE, IdEstructura, IdCargo, IdLider,
  IdCoordinador, IdCoordinadorIndep, IdActivista, DFechaMovimiento, ETipoMovimiento, IdMotivo,
  IdZona, IdGradoEstudios, IdEstadoCivil, SFaceBook, STwitter, IdLocalidad, IdUsuarioRealizo,
  EActualMov) VALUES
(1, 1, 'LNSTAN80051713M100', 1, 1, 0, 0, 0, 0, '2024-01-10', 'Alta', 1, 1, 1, 1, 'ana.luna', '', 1, 1, 'Si'),
(2, 2, 'PRCRJN75010213H200', 1, 2, 1, 0, 0, 0, '2024-01-11', 'Alta', 1, 1, 1, 1, '', '', 1, 1, 'Si'),
(3, 3, 'ISVRRS90073013M300', 1, 3, 1, 2, 0, 0, '2024-01-12', 'Alta', 1, 1, 1, 1, '', '', 1, 1, 'Si'),
(4, 4, 'MRDZLS00022913H400', 2, 4, 0, 0, 0, 0, '2024-02-01', 'Alta', 1, 1, 1, 1, '', '', 1, 1, 'No'),
(5, 4, 'MRDZLS00022913H400', 1, 4, 1, 2, 2, 3, '2024-06-01', 'Modificación', 3, 1, 1, 1, '', '@luis', 1, 1, 'Si'),
(6, 5, '-', 2, 4, 0, 0, 0, 0, '2024-03-01', 'Alta', 1, 1, 1, 1, '', '', 1, 1, 'Si'),
(7, 6, '-', 2, 4, 0, 0, 0, 0, '2024-03-02', 'Alta', 1, 1, 1, 1, '', '', 1, 1, 'Si'),
(8, 9, 'LRPNSR85101013M900', 1, 4, 1, 2, 0, 3, '2024-04-01', 'Baja', 2, 1, 1, 1, '', '', 1, 1, 'Si');

INSERT INTO activ_apoyos (IdApoyo, SCodigo, IdPersonal, IdConcepto, dFechaSolicitud,
  SApoyoSolicitado, dMonto, URL_documentos, IdUsuarioRealizo, DFechaRealizo) VALUES
(1, 'APO0000001', 4, 1, CONCAT(CURDATE(), ' 10:30:00'), 'ENTREGA EN DOMICILIO', 750.50,
 'apoyos/APOYO-1/', 2, NOW()),
(2, 'APO0000002', 1, 1, '2020-01-15 09:00:00', '', 100, 'apoyos/APOYO-2/', 2, NOW());

INSERT INTO master_usuarios (IdUsuario, sUsuario, sMail, sNombre, Telefono, EActivo, EAdmin,
  sPassword) VALUES
(1, 'admin', 'admin@orva.mx', 'ADMINISTRADOR', '(771)000-0000', 'Si', 'Si', 'Admin2026'),
(2, 'capturista', 'captura@orva.mx', 'ROSA MARTINEZ ISLAS', '(771)555-0101', 'Si', 'No',
 AES_ENCRYPT('Captura2026', 'RTV8493'));
INSERT INTO admin_roles (IdRol, SCodigo, SDescripcion) VALUES
(1, 'ROL000001', 'ADMINISTRADOR'), (2, 'ROL000002', 'CAPTURISTA');
INSERT INTO admin_roles_usuarios (IdRolUsuario, IdRol, IdUsuario) VALUES (1, 1, 1), (2, 2, 2);
INSERT INTO activ_usuarios_estructuras (IdUsuario, IdEstructura) VALUES (1, 1), (1, 2), (2, 1);
INSERT INTO admin_permisos_roles (IdRol, IdOpcion, acceder, insertar, editar, eliminar, imprimir, exportar)
SELECT 1, IdOpcion, 'Si', 'Si', 'Si', 'Si', 'Si', 'Si' FROM master_opciones;
-- The data-entry role: people only, without deleting; "si" in lower case denies.
INSERT INTO admin_permisos_roles (IdRol, IdOpcion, acceder, insertar, editar, eliminar, imprimir, exportar)
SELECT 2, IdOpcion, IF(SNombreForm_Programa = 'dxColaboradores', 'Si', 'No'), 'Si', 'si', 'No',
       'Si', 'Si'
FROM master_opciones;

INSERT INTO kardex_sistema (IdUsuario, DFecha, SHora, SDescripcion, SNombre)
VALUES (2, CURDATE(), '09:15:00.000', 'Accede a sistema ', 'ROSA MARTINEZ ISLAS');
