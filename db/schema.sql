-- Orva database schema (InnoDB, utf8mb4).
--
-- Column names carry a type prefix: S/s text, I/i integer, D/d date, E "Si"/"No" or an
-- enumerated text, Id integer keys. Keys are chosen by the program (largest key plus one)
-- except where the database numbers the rows (AUTO_INCREMENT below).
--
-- Rules the database enforces for every workstation:
--   * a catalog row that people, assignments, deliveries, stations or other catalogs still
--     use cannot be deleted ("... a foreign key constraint fails ...");
--   * two people can never carry the same real voter key (see master_personal);
--   * columns where 0 or NULL means "none" (superiors of an assignment) carry no foreign key.
-- Optional references are NULL-able so that a row without them can always be saved.

-- ---------------------------------------------------------------------------
-- System tables
-- ---------------------------------------------------------------------------

-- Statement catalog: the program looks statements up by exact name and type.
CREATE TABLE master_consultassql (
  NombreConsulta VARCHAR(100) NOT NULL,
  Tipo VARCHAR(20) NOT NULL,
  `SQL` MEDIUMTEXT NOT NULL,
  PRIMARY KEY (NombreConsulta, Tipo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Automatic codes ("folios") per table and column.
CREATE TABLE master_cnf_folios (
  Tabla VARCHAR(64) NOT NULL,
  Campo VARCHAR(64) NOT NULL,
  Aplicar VARCHAR(2) NOT NULL DEFAULT 'Si',
  Prefijo VARCHAR(20) NOT NULL DEFAULT '',
  NumDig INT NOT NULL DEFAULT 0,
  complemento VARCHAR(20) NOT NULL DEFAULT '',
  PRIMARY KEY (Tabla, Campo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Error catalog: raw errors and the friendly texts administrators give them.
CREATE TABLE catalogodeerrores (
  idcatalogodeerrores INT NOT NULL AUTO_INCREMENT,
  sError TEXT NOT NULL,
  sMensaje TEXT NOT NULL,
  sFormulario VARCHAR(150) NOT NULL DEFAULT '',
  sDescripcion VARCHAR(250) NOT NULL DEFAULT '',
  iClase INT NOT NULL DEFAULT 0,
  dFecha DATETIME NULL,
  iCodigoError INT NOT NULL DEFAULT 0,
  PRIMARY KEY (idcatalogodeerrores),
  KEY ix_errores_busqueda (iClase, iCodigoError, sFormulario(60), sDescripcion(60))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Action log: one row per change made by a user (kept when the user is deleted).
CREATE TABLE kardex_sistema (
  IdKardex INT NOT NULL AUTO_INCREMENT,
  IdUsuario INT NOT NULL,
  DFecha DATE NOT NULL,
  SHora VARCHAR(12) NOT NULL DEFAULT '',
  SDescripcion TEXT NOT NULL,
  SNombre VARCHAR(150) NOT NULL DEFAULT '',
  PRIMARY KEY (IdKardex),
  KEY ix_kardex_fecha (DFecha, SHora)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- The system settings row (reports see it as "setup").
CREATE TABLE configuracion (
  IdConfiguracion INT NOT NULL,
  sNombreEmpresa VARCHAR(200) NOT NULL DEFAULT '',
  sDireccion VARCHAR(250) NOT NULL DEFAULT '',
  sTelefono VARCHAR(30) NOT NULL DEFAULT '',
  sCorreo VARCHAR(150) NOT NULL DEFAULT '',
  sRutaRecursos VARCHAR(250) NOT NULL DEFAULT '',
  bLogo LONGBLOB NULL,
  PRIMARY KEY (IdConfiguracion)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Report header row (the reports' "contrato" dataset).
CREATE TABLE proyectos_inicio (
  sContrato VARCHAR(15) NOT NULL,
  sLicitacion VARCHAR(200) NOT NULL DEFAULT '',
  sTitulo TEXT NULL,
  sTipoObra CHAR(13) NOT NULL DEFAULT '',
  mDescripcion TEXT NULL,
  mCliente TEXT NULL,
  bImagen LONGBLOB NULL,
  sUbicacion VARCHAR(100) NOT NULL DEFAULT '',
  sCodigo VARCHAR(15) NOT NULL DEFAULT '',
  sMascara VARCHAR(100) NOT NULL DEFAULT '',
  IdEmpresa INT NOT NULL DEFAULT 1,
  FK_titulo VARCHAR(100) NOT NULL DEFAULT '',
  PRIMARY KEY (sContrato)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Users, roles and rights
-- ---------------------------------------------------------------------------
CREATE TABLE master_usuarios (
  IdUsuario INT NOT NULL,
  sUsuario VARCHAR(60) NOT NULL,
  sMail VARCHAR(150) NULL DEFAULT '',
  sNombre VARCHAR(150) NOT NULL DEFAULT '',
  Telefono VARCHAR(20) NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  -- "Si" lets the user correct the voter key of any person; "No" only of people whose
  -- credential is in paperwork.
  EAdmin VARCHAR(2) NOT NULL DEFAULT 'No',
  -- Ordinary users: AES_ENCRYPT(password, 'RTV8493'). The administrator ("admin") keeps
  -- the password as typed, because the administrator login compares it as stored.
  sPassword VARBINARY(255) NULL,
  PRIMARY KEY (IdUsuario),
  UNIQUE KEY ux_usuarios_usuario (sUsuario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Modules: main-window commands and the keys windows look their rights up with.
-- The database numbers new options (the rights editor inserts them with IdOpcion 0).
CREATE TABLE master_opciones (
  IdOpcion INT NOT NULL AUTO_INCREMENT,
  SNombreForm_Programa VARCHAR(100) NOT NULL,
  SDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  IdTab INT NOT NULL DEFAULT 0,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdOpcion),
  KEY ix_opciones_nombre (SNombreForm_Programa)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE admin_roles (
  IdRol INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdRol)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- A user's role. The link belongs to the user (it goes when the user is deleted); a role
-- that users still have cannot be deleted.
CREATE TABLE admin_roles_usuarios (
  IdRolUsuario INT NOT NULL,
  IdRol INT NULL,
  IdUsuario INT NULL,
  PRIMARY KEY (IdRolUsuario),
  KEY ix_rolusuario_usuario (IdUsuario),
  CONSTRAINT fk_rolusuario_rol FOREIGN KEY (IdRol) REFERENCES admin_roles (IdRol),
  CONSTRAINT fk_rolusuario_usuario FOREIGN KEY (IdUsuario) REFERENCES master_usuarios (IdUsuario)
    ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Rights of a role on an option (statement "programas"); part of the role and the option.
CREATE TABLE admin_permisos_roles (
  IdRol INT NOT NULL,
  IdOpcion INT NOT NULL,
  acceder VARCHAR(2) NOT NULL DEFAULT 'Si',
  insertar VARCHAR(2) NOT NULL DEFAULT 'Si',
  editar VARCHAR(2) NOT NULL DEFAULT 'Si',
  eliminar VARCHAR(2) NOT NULL DEFAULT 'Si',
  imprimir VARCHAR(2) NOT NULL DEFAULT 'Si',
  exportar VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdRol, IdOpcion),
  KEY ix_permiso_opcion (IdOpcion),
  CONSTRAINT fk_permiso_rol FOREIGN KEY (IdRol) REFERENCES admin_roles (IdRol) ON DELETE CASCADE,
  CONSTRAINT fk_permiso_opcion FOREIGN KEY (IdOpcion) REFERENCES master_opciones (IdOpcion)
    ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Electoral geography
-- ---------------------------------------------------------------------------
CREATE TABLE master_pais (
  IdPais INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  SPais VARCHAR(100) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdPais)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Paises: the country's name for the states list (kept by triggers, see the end).
CREATE TABLE master_estado (
  IdEstado INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  IdPais INT NULL,
  SEstado VARCHAR(100) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  Paises VARCHAR(100) NULL,
  PRIMARY KEY (IdEstado),
  KEY ix_estado_nombre (SEstado),
  CONSTRAINT fk_estado_pais FOREIGN KEY (IdPais) REFERENCES master_pais (IdPais)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_zonas (
  IdZona INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  IdEstado INT NULL,
  SDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdZona),
  CONSTRAINT fk_zona_estado FOREIGN KEY (IdEstado) REFERENCES master_estado (IdEstado)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE master_municipios (
  IdMunicipio INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  IdEstado INT NULL,
  SDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdMunicipio),
  KEY ix_municipio_nombre (SDescripcion),
  CONSTRAINT fk_municipio_estado FOREIGN KEY (IdEstado) REFERENCES master_estado (IdEstado)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_secciones (
  IdSeccion INT NOT NULL,
  IdMunicipio INT NULL,
  SSeccion VARCHAR(20) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdSeccion),
  KEY ix_seccion_numero (SSeccion),
  CONSTRAINT fk_seccion_municipio FOREIGN KEY (IdMunicipio)
    REFERENCES master_municipios (IdMunicipio)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE master_localidades (
  IdLocalidad INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  IdMunicipio INT NULL,
  IdSeccion INT NULL,
  IdZona INT NULL,
  SLocalidad VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdLocalidad),
  KEY ix_localidad_nombre (SLocalidad),
  CONSTRAINT fk_localidad_municipio FOREIGN KEY (IdMunicipio)
    REFERENCES master_municipios (IdMunicipio),
  CONSTRAINT fk_localidad_seccion FOREIGN KEY (IdSeccion) REFERENCES activ_secciones (IdSeccion),
  CONSTRAINT fk_localidad_zona FOREIGN KEY (IdZona) REFERENCES activ_zonas (IdZona)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- The catalog window gives the key; the spreadsheet import adds postal codes without one,
-- so the database numbers those.
CREATE TABLE master_codigo_postal (
  IdCodigoPostal INT NOT NULL AUTO_INCREMENT,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  SCodigoPostal VARCHAR(10) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdCodigoPostal),
  KEY ix_cp_codigo (SCodigoPostal)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Organisation catalogs
-- ---------------------------------------------------------------------------

-- Positions 1 leader, 2 coordinator, 3 activist and 4 (a new assignment) have a fixed
-- meaning (base rows).
CREATE TABLE activ_cargos (
  IdCargo INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  SDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdCargo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_estructuras (
  IdEstructura INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  SDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdEstructura)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- The structures whose people a user works with.
CREATE TABLE activ_usuarios_estructuras (
  IdUsuario INT NOT NULL,
  IdEstructura INT NOT NULL,
  PRIMARY KEY (IdUsuario, IdEstructura),
  KEY ix_usrestr_estructura (IdEstructura),
  CONSTRAINT fk_usrestr_usuario FOREIGN KEY (IdUsuario) REFERENCES master_usuarios (IdUsuario)
    ON DELETE CASCADE,
  CONSTRAINT fk_usrestr_estructura FOREIGN KEY (IdEstructura)
    REFERENCES activ_estructuras (IdEstructura)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_estado_civil (
  IdEstadoCivil INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  SDescripcion VARCHAR(100) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdEstadoCivil)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_grado_estudios (
  IdGradoEstudios INT NOT NULL,
  sCodigo VARCHAR(20) NULL DEFAULT '',
  sDescripcion VARCHAR(100) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdGradoEstudios)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Motives; each belongs to one movement type ("Alta", "Baja", "Modificación", "Reingreso").
CREATE TABLE activ_motivos (
  IdMotivo INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  sDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  ETipoMovimiento VARCHAR(20) NULL DEFAULT 'Alta',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdMotivo),
  KEY ix_motivo_tipo (ETipoMovimiento)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_partidos (
  IdPartido INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  SNombre VARCHAR(150) NOT NULL DEFAULT '',
  SColor VARCHAR(20) NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdPartido)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Partido: the party's name for the candidates list (kept by triggers).
CREATE TABLE activ_candidatos (
  IdCandidato INT NOT NULL,
  IdPartido INT NULL,
  SNombre VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  Partido VARCHAR(150) NULL,
  PRIMARY KEY (IdCandidato),
  CONSTRAINT fk_candidato_partido FOREIGN KEY (IdPartido) REFERENCES activ_partidos (IdPartido)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_tipos_campania (
  IdTipoCampania INT NOT NULL,
  SDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdTipoCampania)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Partido … TipoCampania: names of the references for the campaigns list (kept by triggers).
CREATE TABLE activ_campanias (
  IdCampania INT NOT NULL,
  SDescripcion VARCHAR(150) NOT NULL DEFAULT '',
  IAnio INT NULL,
  IdPartido INT NULL,
  IdCandidato INT NULL,
  IdTipoCampania INT NULL,
  IdEstado INT NULL,
  IdMunicipio INT NULL,
  IdZona INT NULL,
  Partido VARCHAR(150) NULL,
  Candidato VARCHAR(150) NULL,
  TipoCampania VARCHAR(150) NULL,
  Estado VARCHAR(100) NULL,
  Municipio VARCHAR(150) NULL,
  Zona VARCHAR(150) NULL,
  PRIMARY KEY (IdCampania),
  CONSTRAINT fk_campania_partido FOREIGN KEY (IdPartido) REFERENCES activ_partidos (IdPartido),
  CONSTRAINT fk_campania_candidato FOREIGN KEY (IdCandidato)
    REFERENCES activ_candidatos (IdCandidato),
  CONSTRAINT fk_campania_tipo FOREIGN KEY (IdTipoCampania)
    REFERENCES activ_tipos_campania (IdTipoCampania),
  CONSTRAINT fk_campania_estado FOREIGN KEY (IdEstado) REFERENCES master_estado (IdEstado),
  CONSTRAINT fk_campania_municipio FOREIGN KEY (IdMunicipio)
    REFERENCES master_municipios (IdMunicipio),
  CONSTRAINT fk_campania_zona FOREIGN KEY (IdZona) REFERENCES activ_zonas (IdZona)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Support types.
CREATE TABLE activ_conceptos_apoyos (
  IdConcepto INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  SConcepto VARCHAR(150) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdConcepto)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Polling stations. SLatitud/SLongitud: decimal degrees as text, empty until the station
-- is located on the map. Campania, Zona: names for the list (kept by triggers).
CREATE TABLE activ_casillas (
  IdCasilla INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  IdCampania INT NULL,
  IdZona INT NULL,
  SDireccion VARCHAR(500) NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  SLatitud VARCHAR(30) NULL DEFAULT '',
  SLongitud VARCHAR(30) NULL DEFAULT '',
  Campania VARCHAR(150) NULL,
  Zona VARCHAR(150) NULL,
  PRIMARY KEY (IdCasilla),
  CONSTRAINT fk_casilla_campania FOREIGN KEY (IdCampania) REFERENCES activ_campanias (IdCampania),
  CONSTRAINT fk_casilla_zona FOREIGN KEY (IdZona) REFERENCES activ_zonas (IdZona)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- People
-- ---------------------------------------------------------------------------

-- One row per person, whatever role the person plays.
CREATE TABLE master_personal (
  IdPersonal INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  SNombre VARCHAR(100) NOT NULL DEFAULT '',
  SAPaterno VARCHAR(100) NOT NULL DEFAULT '',
  SAMaterno VARCHAR(100) NOT NULL DEFAULT '',
  ESexo VARCHAR(20) NULL DEFAULT 'Hombre',
  DFechaNacimiento DATE NULL,
  -- Voter key; "-" while the credential is in paperwork.
  SINE VARCHAR(18) NOT NULL DEFAULT '-',
  IVigencia INT NULL,
  ETramiteINE VARCHAR(2) NOT NULL DEFAULT 'No',
  SCurp VARCHAR(18) NULL DEFAULT '',
  STelefono VARCHAR(30) NULL DEFAULT '',
  SCorreoElectronico VARCHAR(150) NULL DEFAULT '',
  SDomicilio VARCHAR(250) NULL DEFAULT '',
  IdCodigoPostal INT NULL,
  IdMunicipio INT NULL,
  IdSeccion INT NULL,
  IdLocalidad INT NULL,
  Activo VARCHAR(2) NOT NULL DEFAULT 'Si',
  FechaAlta DATE NULL,
  SURL_Foto VARCHAR(1000) NULL DEFAULT '',
  SRUL_Huella MEDIUMTEXT NULL,
  -- The real voter key: trimmed and upper-cased, NULL for "-" and blanks. Its unique index
  -- is the guard against two workstations registering the same key at the same moment;
  -- credentials in paperwork ("-") may repeat.
  SINEReal VARCHAR(18) AS (IF(TRIM(SINE) IN ('', '-'), NULL, UPPER(TRIM(SINE)))) PERSISTENT,
  PRIMARY KEY (IdPersonal),
  UNIQUE KEY ux_personal_ine (SINEReal),
  KEY ix_personal_sine (SINE),
  KEY ix_personal_codigo (SCodigo),
  KEY ix_personal_tramite (ETramiteINE),
  KEY ix_personal_vigencia (IVigencia),
  CONSTRAINT fk_personal_cp FOREIGN KEY (IdCodigoPostal)
    REFERENCES master_codigo_postal (IdCodigoPostal),
  CONSTRAINT fk_personal_municipio FOREIGN KEY (IdMunicipio)
    REFERENCES master_municipios (IdMunicipio),
  CONSTRAINT fk_personal_seccion FOREIGN KEY (IdSeccion) REFERENCES activ_secciones (IdSeccion),
  CONSTRAINT fk_personal_localidad FOREIGN KEY (IdLocalidad)
    REFERENCES master_localidades (IdLocalidad)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Assignments: one row per movement of a person in a structure and position. The rows
-- flagged EActualMov "Si" are the person's current movements; the others are history
-- (the history statement reads this same table). Superiors are people keys where 0 or
-- NULL means none, so they carry no foreign key.
-- ---------------------------------------------------------------------------
CREATE TABLE activ_asignaciones (
  IdAsignacion INT NOT NULL,
  IdPersonal INT NOT NULL,
  SINE VARCHAR(18) NULL DEFAULT '',
  IdEstructura INT NULL,
  IdCargo INT NULL,
  IdLider INT NULL DEFAULT 0,
  IdCoordinador INT NULL DEFAULT 0,
  IdCoordinadorIndep INT NULL DEFAULT 0,
  IdActivista INT NULL DEFAULT 0,
  DFechaMovimiento DATE NULL,
  ETipoMovimiento VARCHAR(20) NULL DEFAULT 'Alta',
  IdMotivo INT NULL,
  IdZona INT NULL,
  IdGradoEstudios INT NULL,
  IdEstadoCivil INT NULL,
  SFaceBook VARCHAR(150) NULL DEFAULT '',
  STwitter VARCHAR(150) NULL DEFAULT '',
  IdLocalidad INT NULL,
  IdUsuarioRealizo INT NULL,
  EActualMov VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdAsignacion),
  KEY ix_asig_personal_actual (IdPersonal, EActualMov, IdAsignacion, IdEstructura),
  KEY ix_asig_personal_tipo (IdPersonal, ETipoMovimiento, DFechaMovimiento),
  KEY ix_asig_ine (SINE),
  KEY ix_asig_estructura_actual (IdEstructura, EActualMov, IdCargo),
  KEY ix_asig_actual_cargo (EActualMov, IdCargo),
  KEY ix_asig_lider (IdLider, EActualMov),
  KEY ix_asig_coordinador (IdCoordinador, EActualMov),
  KEY ix_asig_activista (IdActivista, EActualMov),
  CONSTRAINT fk_asig_personal FOREIGN KEY (IdPersonal) REFERENCES master_personal (IdPersonal),
  CONSTRAINT fk_asig_estructura FOREIGN KEY (IdEstructura)
    REFERENCES activ_estructuras (IdEstructura),
  CONSTRAINT fk_asig_cargo FOREIGN KEY (IdCargo) REFERENCES activ_cargos (IdCargo),
  CONSTRAINT fk_asig_motivo FOREIGN KEY (IdMotivo) REFERENCES activ_motivos (IdMotivo),
  CONSTRAINT fk_asig_zona FOREIGN KEY (IdZona) REFERENCES activ_zonas (IdZona),
  CONSTRAINT fk_asig_grado FOREIGN KEY (IdGradoEstudios)
    REFERENCES activ_grado_estudios (IdGradoEstudios),
  CONSTRAINT fk_asig_civil FOREIGN KEY (IdEstadoCivil) REFERENCES activ_estado_civil (IdEstadoCivil),
  CONSTRAINT fk_asig_localidad FOREIGN KEY (IdLocalidad)
    REFERENCES master_localidades (IdLocalidad)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Support deliveries; their documents live in object storage under URL_documentos.
-- ---------------------------------------------------------------------------
CREATE TABLE activ_apoyos (
  IdApoyo INT NOT NULL,
  SCodigo VARCHAR(20) NULL DEFAULT '',
  IdPersonal INT NOT NULL,
  IdConcepto INT NULL,
  dFechaSolicitud DATETIME NULL,
  SApoyoSolicitado TEXT NULL,
  dMonto DECIMAL(14, 2) NULL DEFAULT 0,
  URL_documentos VARCHAR(500) NULL DEFAULT '',
  IdUsuarioRealizo INT NULL,
  DFechaRealizo DATETIME NULL,
  PRIMARY KEY (IdApoyo),
  KEY ix_apoyo_fecha (dFechaSolicitud),
  CONSTRAINT fk_apoyo_personal FOREIGN KEY (IdPersonal) REFERENCES master_personal (IdPersonal),
  CONSTRAINT fk_apoyo_concepto FOREIGN KEY (IdConcepto)
    REFERENCES activ_conceptos_apoyos (IdConcepto)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Views read by the statements
-- ---------------------------------------------------------------------------

-- Module rights of each user by login name (the shared rights dataset's first statement).
CREATE VIEW master_modulos AS
SELECT u.sUsuario, u.IdUsuario, o.IdOpcion, o.SNombreForm_Programa AS NombreForm_Programa,
       o.SNombreForm_Programa, o.IdTab, p.acceder AS Acceder, p.insertar AS Insertar,
       p.editar AS Editar, p.eliminar AS Eliminar, p.imprimir AS Imprimir,
       p.exportar AS Exportar
FROM master_usuarios u
JOIN admin_roles_usuarios ru ON ru.IdUsuario = u.IdUsuario
JOIN admin_permisos_roles p ON p.IdRol = ru.IdRol
JOIN master_opciones o ON o.IdOpcion = p.IdOpcion;

-- Descriptions of a person shared by the statements (read-only display columns; the
-- statements select the tables' own columns directly so that saved changes go back to
-- their table). Full names are written surnames first. Descriptions are scalar subqueries:
-- the server caches their results per key, and lists repeat the same few catalog rows.
CREATE VIEW vw_personal_datos AS
SELECT p.IdPersonal,
       CONCAT_WS(' ', NULLIF(p.SAPaterno, ''), NULLIF(p.SAMaterno, ''), NULLIF(p.SNombre, ''))
         AS SNombreCompleto,
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
FROM master_personal p;

-- Display columns of an assignment row: names of the person, the references and the
-- superiors, and the person's data the reports list (scalar subqueries as above: an
-- assignment list repeats the same few superiors and catalog rows over and over).
CREATE VIEW vw_asignaciones_datos AS
SELECT a.IdAsignacion, p.SCodigo AS sCodigopersonal,
       CONCAT_WS(' ', NULLIF(p.SAPaterno, ''), NULLIF(p.SAMaterno, ''), NULLIF(p.SNombre, ''))
         AS SNombreCompleto,
       (SELECT x.SDescripcion FROM activ_cargos x WHERE x.IdCargo = a.IdCargo) AS Cargo,
       (SELECT x.SDescripcion FROM activ_estructuras x WHERE x.IdEstructura = a.IdEstructura)
         AS Estructura,
       (SELECT x.sDescripcion FROM activ_grado_estudios x
         WHERE x.IdGradoEstudios = a.IdGradoEstudios) AS GradoEstudios,
       (SELECT x.SDescripcion FROM activ_estado_civil x WHERE x.IdEstadoCivil = a.IdEstadoCivil)
         AS EstadoCivil,
       TIMESTAMPDIFF(YEAR, p.DFechaNacimiento, CURDATE()) AS Edad, p.ESexo AS sGenero,
       (SELECT x.SDescripcion FROM activ_zonas x WHERE x.IdZona = a.IdZona) AS Zona,
       (SELECT x.SNombreCompleto FROM vw_personal_datos x WHERE x.IdPersonal = a.IdLider)
         AS Lider,
       (SELECT x.SNombreCompleto FROM vw_personal_datos x WHERE x.IdPersonal = a.IdCoordinador)
         AS Coordinador,
       (SELECT x.SNombreCompleto FROM vw_personal_datos x WHERE x.IdPersonal = a.IdCoordinadorIndep)
         AS CoordinadorIndep,
       (SELECT x.SNombreCompleto FROM vw_personal_datos x WHERE x.IdPersonal = a.IdActivista)
         AS Activista,
       CONCAT_WS(' ', NULLIF(p.SAPaterno, ''), NULLIF(p.SAMaterno, ''), NULLIF(p.SNombre, ''))
         AS Personal,
       (SELECT x.sDescripcion FROM activ_motivos x WHERE x.IdMotivo = a.IdMotivo) AS Motivo,
       (SELECT x.SLocalidad FROM master_localidades x WHERE x.IdLocalidad = a.IdLocalidad)
         AS Localidad,
       p.SCurp AS CURP, p.STelefono,
       (SELECT x.SSeccion FROM activ_secciones x WHERE x.IdSeccion = p.IdSeccion) AS Seccion,
       p.IVigencia AS Vigencia, p.SAPaterno, p.SAMaterno, p.SNombre,
       DATE_FORMAT(p.DFechaNacimiento, '%d/%m/%Y') AS SFechaNacimiento,
       p.SDomicilio AS Domicilio, p.SCorreoElectronico AS Correo, p.FechaAlta,
       -- Date of entry: the row's own date for an "Alta", otherwise the date of the
       -- person's latest "Alta".
       IF(a.ETipoMovimiento = 'Alta', a.DFechaMovimiento,
          (SELECT MAX(x.DFechaMovimiento) FROM activ_asignaciones x
            WHERE x.IdPersonal = a.IdPersonal AND x.ETipoMovimiento = 'Alta')) AS Alta,
       -- This year's birthday (29 February becomes the 28th in other years).
       DATE_ADD(p.DFechaNacimiento,
                INTERVAL YEAR(CURDATE()) - YEAR(p.DFechaNacimiento) YEAR) AS Cumple,
       -- People whose current movement points to this row's person in its position.
       CASE a.IdCargo
         WHEN 1 THEN (SELECT COUNT(*) FROM activ_asignaciones x
                       WHERE x.IdLider = a.IdPersonal AND x.EActualMov = 'Si')
         WHEN 2 THEN (SELECT COUNT(*) FROM activ_asignaciones x
                       WHERE x.IdCoordinador = a.IdPersonal AND x.EActualMov = 'Si')
         WHEN 3 THEN (SELECT COUNT(*) FROM activ_asignaciones x
                       WHERE x.IdActivista = a.IdPersonal AND x.EActualMov = 'Si')
         ELSE 0 END AS TotalPromovidos
FROM activ_asignaciones a
JOIN master_personal p ON p.IdPersonal = a.IdPersonal;

-- ---------------------------------------------------------------------------
-- Names of references kept in the rows of the catalogs the windows load with
-- "SELECT * FROM <table>" (states, candidates, campaigns, stations): set on every insert
-- and update of the row, and carried along when the referenced row is renamed.
-- ---------------------------------------------------------------------------
CREATE TRIGGER tr_estado_bi BEFORE INSERT ON master_estado FOR EACH ROW
  SET NEW.Paises = (SELECT SPais FROM master_pais WHERE IdPais = NEW.IdPais);
CREATE TRIGGER tr_estado_bu BEFORE UPDATE ON master_estado FOR EACH ROW
  SET NEW.Paises = (SELECT SPais FROM master_pais WHERE IdPais = NEW.IdPais);
CREATE TRIGGER tr_pais_au AFTER UPDATE ON master_pais FOR EACH ROW
  UPDATE master_estado SET Paises = NEW.SPais
  WHERE IdPais = NEW.IdPais AND NOT (BINARY NEW.SPais <=> BINARY OLD.SPais);

CREATE TRIGGER tr_candidato_bi BEFORE INSERT ON activ_candidatos FOR EACH ROW
  SET NEW.Partido = (SELECT SNombre FROM activ_partidos WHERE IdPartido = NEW.IdPartido);
CREATE TRIGGER tr_candidato_bu BEFORE UPDATE ON activ_candidatos FOR EACH ROW
  SET NEW.Partido = (SELECT SNombre FROM activ_partidos WHERE IdPartido = NEW.IdPartido);

CREATE TRIGGER tr_campania_bi BEFORE INSERT ON activ_campanias FOR EACH ROW
  SET NEW.Partido = (SELECT SNombre FROM activ_partidos WHERE IdPartido = NEW.IdPartido),
      NEW.Candidato = (SELECT SNombre FROM activ_candidatos WHERE IdCandidato = NEW.IdCandidato),
      NEW.TipoCampania = (SELECT SDescripcion FROM activ_tipos_campania
                          WHERE IdTipoCampania = NEW.IdTipoCampania),
      NEW.Estado = (SELECT SEstado FROM master_estado WHERE IdEstado = NEW.IdEstado),
      NEW.Municipio = (SELECT SDescripcion FROM master_municipios
                       WHERE IdMunicipio = NEW.IdMunicipio),
      NEW.Zona = (SELECT SDescripcion FROM activ_zonas WHERE IdZona = NEW.IdZona);
CREATE TRIGGER tr_campania_bu BEFORE UPDATE ON activ_campanias FOR EACH ROW
  SET NEW.Partido = (SELECT SNombre FROM activ_partidos WHERE IdPartido = NEW.IdPartido),
      NEW.Candidato = (SELECT SNombre FROM activ_candidatos WHERE IdCandidato = NEW.IdCandidato),
      NEW.TipoCampania = (SELECT SDescripcion FROM activ_tipos_campania
                          WHERE IdTipoCampania = NEW.IdTipoCampania),
      NEW.Estado = (SELECT SEstado FROM master_estado WHERE IdEstado = NEW.IdEstado),
      NEW.Municipio = (SELECT SDescripcion FROM master_municipios
                       WHERE IdMunicipio = NEW.IdMunicipio),
      NEW.Zona = (SELECT SDescripcion FROM activ_zonas WHERE IdZona = NEW.IdZona);

CREATE TRIGGER tr_casilla_bi BEFORE INSERT ON activ_casillas FOR EACH ROW
  SET NEW.Campania = (SELECT SDescripcion FROM activ_campanias WHERE IdCampania = NEW.IdCampania),
      NEW.Zona = (SELECT SDescripcion FROM activ_zonas WHERE IdZona = NEW.IdZona);
CREATE TRIGGER tr_casilla_bu BEFORE UPDATE ON activ_casillas FOR EACH ROW
  SET NEW.Campania = (SELECT SDescripcion FROM activ_campanias WHERE IdCampania = NEW.IdCampania),
      NEW.Zona = (SELECT SDescripcion FROM activ_zonas WHERE IdZona = NEW.IdZona);

-- Renames: re-saving the dependent rows lets their own triggers fetch the new names.
CREATE TRIGGER tr_partido_au_candidatos AFTER UPDATE ON activ_partidos FOR EACH ROW
  UPDATE activ_candidatos SET Partido = NEW.SNombre
  WHERE IdPartido = NEW.IdPartido AND NOT (BINARY NEW.SNombre <=> BINARY OLD.SNombre);
CREATE TRIGGER tr_partido_au_campanias AFTER UPDATE ON activ_partidos FOR EACH ROW
  UPDATE activ_campanias SET Partido = NEW.SNombre
  WHERE IdPartido = NEW.IdPartido AND NOT (BINARY NEW.SNombre <=> BINARY OLD.SNombre);
CREATE TRIGGER tr_candidato_au AFTER UPDATE ON activ_candidatos FOR EACH ROW
  UPDATE activ_campanias SET Candidato = NEW.SNombre
  WHERE IdCandidato = NEW.IdCandidato AND NOT (BINARY NEW.SNombre <=> BINARY OLD.SNombre);
CREATE TRIGGER tr_tipo_campania_au AFTER UPDATE ON activ_tipos_campania FOR EACH ROW
  UPDATE activ_campanias SET TipoCampania = NEW.SDescripcion
  WHERE IdTipoCampania = NEW.IdTipoCampania AND NOT (BINARY NEW.SDescripcion <=> BINARY OLD.SDescripcion);
CREATE TRIGGER tr_estado_au AFTER UPDATE ON master_estado FOR EACH ROW
  UPDATE activ_campanias SET Estado = NEW.SEstado
  WHERE IdEstado = NEW.IdEstado AND NOT (BINARY NEW.SEstado <=> BINARY OLD.SEstado);
CREATE TRIGGER tr_municipio_au AFTER UPDATE ON master_municipios FOR EACH ROW
  UPDATE activ_campanias SET Municipio = NEW.SDescripcion
  WHERE IdMunicipio = NEW.IdMunicipio AND NOT (BINARY NEW.SDescripcion <=> BINARY OLD.SDescripcion);
CREATE TRIGGER tr_zona_au_campanias AFTER UPDATE ON activ_zonas FOR EACH ROW
  UPDATE activ_campanias SET Zona = NEW.SDescripcion
  WHERE IdZona = NEW.IdZona AND NOT (BINARY NEW.SDescripcion <=> BINARY OLD.SDescripcion);
CREATE TRIGGER tr_zona_au_casillas AFTER UPDATE ON activ_zonas FOR EACH ROW
  UPDATE activ_casillas SET Zona = NEW.SDescripcion
  WHERE IdZona = NEW.IdZona AND NOT (BINARY NEW.SDescripcion <=> BINARY OLD.SDescripcion);
CREATE TRIGGER tr_campania_au AFTER UPDATE ON activ_campanias FOR EACH ROW
  UPDATE activ_casillas SET Campania = NEW.SDescripcion
  WHERE IdCampania = NEW.IdCampania AND NOT (BINARY NEW.SDescripcion <=> BINARY OLD.SDescripcion);
