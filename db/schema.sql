-- Orva database schema (InnoDB, utf8mb4).
-- Column names carry a type prefix: S/s text, I/i integer, D/d date,
-- E "Si"/"No" or enumerated text, Id integer keys chosen by the program.

CREATE TABLE master_consultassql (
  NombreConsulta VARCHAR(100) NOT NULL,
  Tipo VARCHAR(20) NOT NULL,
  `SQL` MEDIUMTEXT NOT NULL,
  PRIMARY KEY (NombreConsulta, Tipo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

CREATE TABLE master_cnf_folios (
  Tabla VARCHAR(64) NOT NULL,
  Campo VARCHAR(64) NOT NULL,
  Aplicar VARCHAR(2) NOT NULL DEFAULT 'Si',
  Prefijo VARCHAR(20) NOT NULL DEFAULT '',
  NumDig INT NOT NULL DEFAULT 0,
  complemento VARCHAR(20) NOT NULL DEFAULT '',
  PRIMARY KEY (Tabla, Campo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE catalogodeerrores (
  idcatalogodeerrores INT NOT NULL AUTO_INCREMENT,
  sError TEXT NOT NULL,
  sMensaje TEXT NOT NULL,
  sFormulario VARCHAR(150) NOT NULL DEFAULT '',
  sDescripcion VARCHAR(250) NOT NULL DEFAULT '',
  iClase INT NOT NULL DEFAULT 0,
  dFecha DATETIME NULL,
  iCodigoError INT NOT NULL DEFAULT 0,
  PRIMARY KEY (idcatalogodeerrores)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Action log: one row per change made by a user.
CREATE TABLE kardex_sistema (
  IdKardex INT NOT NULL AUTO_INCREMENT,
  IdUsuario INT NOT NULL,
  DFecha DATE NOT NULL,
  SHora VARCHAR(12) NOT NULL,
  SDescripcion TEXT NOT NULL,
  SNombre VARCHAR(150) NOT NULL DEFAULT '',
  PRIMARY KEY (IdKardex),
  KEY ix_kardex_fecha (DFecha)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Users, roles and rights
-- ---------------------------------------------------------------------------
CREATE TABLE master_usuarios (
  IdUsuario INT NOT NULL,
  sUsuario VARCHAR(60) NOT NULL,
  sMail VARCHAR(150) NOT NULL DEFAULT '',
  sNombre VARCHAR(150) NOT NULL DEFAULT '',
  Telefono VARCHAR(20) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  -- Ordinary users: AES_ENCRYPT(password, key) bytes; the administrator's row
  -- keeps its password as typed (the administrator login compares it as stored).
  sPassword VARBINARY(255) NULL,
  PRIMARY KEY (IdUsuario),
  UNIQUE KEY ux_usuarios_usuario (sUsuario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Module commands; the database numbers new options.
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

CREATE TABLE admin_roles_usuarios (
  IdRolUsuario INT NOT NULL,
  IdRol INT NOT NULL,
  IdUsuario INT NOT NULL,
  PRIMARY KEY (IdRolUsuario),
  KEY ix_rolusuario_usuario (IdUsuario),
  CONSTRAINT fk_rolusuario_rol FOREIGN KEY (IdRol) REFERENCES admin_roles (IdRol),
  CONSTRAINT fk_rolusuario_usuario FOREIGN KEY (IdUsuario) REFERENCES master_usuarios (IdUsuario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Rights of a role on an option (read through the statement "programas").
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
  CONSTRAINT fk_permiso_rol FOREIGN KEY (IdRol) REFERENCES admin_roles (IdRol) ON DELETE CASCADE,
  CONSTRAINT fk_permiso_opcion FOREIGN KEY (IdOpcion) REFERENCES master_opciones (IdOpcion)
    ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Electoral geography
-- ---------------------------------------------------------------------------
CREATE TABLE master_pais (
  IdPais INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SPais VARCHAR(100) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdPais)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE master_estado (
  IdEstado INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  IdPais INT NULL,
  SEstado VARCHAR(100) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdEstado),
  CONSTRAINT fk_estado_pais FOREIGN KEY (IdPais) REFERENCES master_pais (IdPais)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_zonas (
  IdZona INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  IdEstado INT NULL,
  SDescripcion VARCHAR(150) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdZona),
  CONSTRAINT fk_zona_estado FOREIGN KEY (IdEstado) REFERENCES master_estado (IdEstado)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE master_municipios (
  IdMunicipio INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  IdEstado INT NULL,
  SDescripcion VARCHAR(150) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdMunicipio),
  CONSTRAINT fk_municipio_estado FOREIGN KEY (IdEstado) REFERENCES master_estado (IdEstado)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_secciones (
  IdSeccion INT NOT NULL,
  IdMunicipio INT NULL,
  SSeccion VARCHAR(20) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdSeccion),
  CONSTRAINT fk_seccion_municipio FOREIGN KEY (IdMunicipio)
    REFERENCES master_municipios (IdMunicipio)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE master_localidades (
  IdLocalidad INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  IdMunicipio INT NULL,
  IdSeccion INT NULL,
  IdZona INT NULL,
  SLocalidad VARCHAR(150) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdLocalidad),
  CONSTRAINT fk_localidad_municipio FOREIGN KEY (IdMunicipio)
    REFERENCES master_municipios (IdMunicipio),
  CONSTRAINT fk_localidad_seccion FOREIGN KEY (IdSeccion) REFERENCES activ_secciones (IdSeccion),
  CONSTRAINT fk_localidad_zona FOREIGN KEY (IdZona) REFERENCES activ_zonas (IdZona)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE master_codigo_postal (
  IdCodigoPostal INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SCodigoPostal VARCHAR(10) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdCodigoPostal)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Organisation catalogs
-- ---------------------------------------------------------------------------
CREATE TABLE activ_cargos (
  IdCargo INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SDescripcion VARCHAR(150) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdCargo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_estructuras (
  IdEstructura INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SDescripcion VARCHAR(150) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdEstructura)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_usuarios_estructuras (
  IdUsuario INT NOT NULL,
  IdEstructura INT NOT NULL,
  PRIMARY KEY (IdUsuario, IdEstructura),
  CONSTRAINT fk_usrestr_usuario FOREIGN KEY (IdUsuario) REFERENCES master_usuarios (IdUsuario)
    ON DELETE CASCADE,
  CONSTRAINT fk_usrestr_estructura FOREIGN KEY (IdEstructura)
    REFERENCES activ_estructuras (IdEstructura)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_estado_civil (
  IdEstadoCivil INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SDescripcion VARCHAR(100) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdEstadoCivil)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_grado_estudios (
  IdGradoEstudios INT NOT NULL,
  sCodigo VARCHAR(20) NOT NULL DEFAULT '',
  sDescripcion VARCHAR(100) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdGradoEstudios)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_motivos (
  IdMotivo INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  sDescripcion VARCHAR(150) NOT NULL,
  ETipoMovimiento VARCHAR(20) NOT NULL DEFAULT 'Alta',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdMotivo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_partidos (
  IdPartido INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SNombre VARCHAR(150) NOT NULL,
  SColor VARCHAR(20) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdPartido)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_candidatos (
  IdCandidato INT NOT NULL,
  IdPartido INT NULL,
  SNombre VARCHAR(150) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdCandidato),
  CONSTRAINT fk_candidato_partido FOREIGN KEY (IdPartido) REFERENCES activ_partidos (IdPartido)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE activ_tipos_campania (
  IdTipoCampania INT NOT NULL,
  SDescripcion VARCHAR(150) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdTipoCampania)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

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

CREATE TABLE activ_conceptos_apoyos (
  IdConcepto INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SConcepto VARCHAR(150) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdConcepto)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Polling stations; latitude and longitude empty until located on the map.
CREATE TABLE activ_casillas (
  IdCasilla INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  IdCampania INT NULL,
  IdZona INT NULL,
  SDireccion VARCHAR(250) NOT NULL DEFAULT '',
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  SLatitud VARCHAR(30) NOT NULL DEFAULT '',
  SLongitud VARCHAR(30) NOT NULL DEFAULT '',
  PRIMARY KEY (IdCasilla),
  CONSTRAINT fk_casilla_campania FOREIGN KEY (IdCampania) REFERENCES activ_campanias (IdCampania),
  CONSTRAINT fk_casilla_zona FOREIGN KEY (IdZona) REFERENCES activ_zonas (IdZona)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- People
-- ---------------------------------------------------------------------------
CREATE TABLE master_personal (
  IdPersonal INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  SNombre VARCHAR(100) NOT NULL,
  SAPaterno VARCHAR(100) NOT NULL,
  SAMaterno VARCHAR(100) NOT NULL,
  ESexo VARCHAR(10) NOT NULL DEFAULT 'Hombre',
  DFechaNacimiento DATE NULL,
  SINE VARCHAR(18) NOT NULL DEFAULT '-',
  IVigencia INT NULL,
  ETramiteINE VARCHAR(2) NOT NULL DEFAULT 'No',
  SCurp VARCHAR(18) NOT NULL DEFAULT '',
  STelefono VARCHAR(20) NOT NULL DEFAULT '',
  SCorreoElectronico VARCHAR(150) NOT NULL DEFAULT '',
  SDomicilio VARCHAR(250) NOT NULL DEFAULT '',
  IdCodigoPostal INT NULL,
  IdMunicipio INT NULL,
  IdSeccion INT NULL,
  IdLocalidad INT NULL,
  Activo VARCHAR(2) NOT NULL DEFAULT 'Si',
  FechaAlta DATE NULL,
  SURL_Foto VARCHAR(500) NOT NULL DEFAULT '',
  SRUL_Huella TEXT NULL,
  -- The real voter key, NULL for "-" and blanks (credential in paperwork), so
  -- that two workstations can never register the same key twice.
  SINEReal VARCHAR(18) AS (IF(TRIM(SINE) IN ('', '-'), NULL, UPPER(TRIM(SINE)))) PERSISTENT,
  PRIMARY KEY (IdPersonal),
  UNIQUE KEY ux_personal_ine (SINEReal),
  KEY ix_personal_codigo (SCodigo),
  KEY ix_personal_vigencia (IVigencia),
  CONSTRAINT fk_personal_cp FOREIGN KEY (IdCodigoPostal)
    REFERENCES master_codigo_postal (IdCodigoPostal),
  CONSTRAINT fk_personal_municipio FOREIGN KEY (IdMunicipio)
    REFERENCES master_municipios (IdMunicipio),
  CONSTRAINT fk_personal_seccion FOREIGN KEY (IdSeccion) REFERENCES activ_secciones (IdSeccion),
  CONSTRAINT fk_personal_localidad FOREIGN KEY (IdLocalidad)
    REFERENCES master_localidades (IdLocalidad)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- One row per movement of a person in a structure and position. Superiors are
-- people keys; 0 means none, so they carry no foreign key.
CREATE TABLE activ_asignaciones (
  IdAsignacion INT NOT NULL,
  IdPersonal INT NOT NULL,
  SINE VARCHAR(18) NOT NULL DEFAULT '',
  IdEstructura INT NULL,
  IdCargo INT NULL,
  IdLider INT NOT NULL DEFAULT 0,
  IdCoordinador INT NOT NULL DEFAULT 0,
  IdCoordinadorIndep INT NOT NULL DEFAULT 0,
  IdActivista INT NOT NULL DEFAULT 0,
  DFechaMovimiento DATE NULL,
  ETipoMovimiento VARCHAR(20) NOT NULL DEFAULT 'Alta',
  IdMotivo INT NULL,
  IdZona INT NULL,
  IdGradoEstudios INT NULL,
  IdEstadoCivil INT NULL,
  SFaceBook VARCHAR(150) NOT NULL DEFAULT '',
  STwitter VARCHAR(150) NOT NULL DEFAULT '',
  IdLocalidad INT NULL,
  IdUsuarioRealizo INT NULL,
  EActualMov VARCHAR(2) NOT NULL DEFAULT 'Si',
  PRIMARY KEY (IdAsignacion),
  KEY ix_asig_personal (IdPersonal),
  KEY ix_asig_ine (SINE),
  KEY ix_asig_estructura_actual (IdEstructura, EActualMov),
  KEY ix_asig_lider (IdLider),
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

CREATE TABLE activ_apoyos (
  IdApoyo INT NOT NULL,
  SCodigo VARCHAR(20) NOT NULL DEFAULT '',
  IdPersonal INT NOT NULL,
  IdConcepto INT NULL,
  dFechaSolicitud DATETIME NULL,
  SApoyoSolicitado TEXT NULL,
  dMonto DECIMAL(14, 2) NOT NULL DEFAULT 0,
  URL_documentos VARCHAR(500) NOT NULL DEFAULT '',
  IdUsuarioRealizo INT NULL,
  DFechaRealizo DATETIME NULL,
  PRIMARY KEY (IdApoyo),
  KEY ix_apoyo_fecha (dFechaSolicitud),
  CONSTRAINT fk_apoyo_personal FOREIGN KEY (IdPersonal) REFERENCES master_personal (IdPersonal),
  CONSTRAINT fk_apoyo_concepto FOREIGN KEY (IdConcepto)
    REFERENCES activ_conceptos_apoyos (IdConcepto)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ---------------------------------------------------------------------------
-- Report header and system settings
-- ---------------------------------------------------------------------------
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

CREATE TABLE configuracion (
  IdConfiguracion INT NOT NULL,
  sNombreEmpresa VARCHAR(200) NOT NULL DEFAULT '',
  sDireccion VARCHAR(250) NOT NULL DEFAULT '',
  sTelefono VARCHAR(30) NOT NULL DEFAULT '',
  sRutaRecursos VARCHAR(250) NOT NULL DEFAULT '',
  bLogo LONGBLOB NULL,
  PRIMARY KEY (IdConfiguracion)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- The module rights of each user by login name, as the rights dataset reads them.
CREATE VIEW master_modulos AS
SELECT u.sUsuario, u.IdUsuario, o.SNombreForm_Programa AS NombreForm_Programa,
       o.SNombreForm_Programa, o.IdTab, p.acceder AS Acceder, p.insertar AS Insertar,
       p.editar AS Editar, p.eliminar AS Eliminar, p.imprimir AS Imprimir,
       p.exportar AS Exportar
FROM master_usuarios u
JOIN admin_roles_usuarios ru ON ru.IdUsuario = u.IdUsuario
JOIN admin_permisos_roles p ON p.IdRol = ru.IdRol
JOIN master_opciones o ON o.IdOpcion = p.IdOpcion;

-- ---------------------------------------------------------------------------
-- Display columns shared by the catalogued statements. The statements select
-- the table's own columns directly (so saved changes go back to that table)
-- and take these read-only descriptions from the views.
-- ---------------------------------------------------------------------------
CREATE VIEW vw_personal_datos AS
SELECT p.IdPersonal,
       CONCAT_WS(' ', p.SNombre, p.SAPaterno, p.SAMaterno) AS SNombreCompleto,
       COALESCE(act.IdEstructura, 0) AS IdEstructuraActual,
       s.SSeccion AS Seccion, cp.SCodigoPostal AS CodigoPostal, m.SDescripcion AS Municipio,
       l.SLocalidad AS Localidad,
       IF(COALESCE(p.SRUL_Huella, '') = '', 'Sin huella', 'Con huella') AS sHuella,
       IF(p.SURL_Foto = '', 'Sin foto', 'Con foto') AS sFoto,
       TIMESTAMPDIFF(YEAR, p.DFechaNacimiento, CURDATE()) AS Edad
FROM master_personal p
LEFT JOIN (SELECT IdPersonal, MAX(IdEstructura) AS IdEstructura FROM activ_asignaciones
           WHERE EActualMov = 'Si' GROUP BY IdPersonal) act ON act.IdPersonal = p.IdPersonal
LEFT JOIN activ_secciones s ON s.IdSeccion = p.IdSeccion
LEFT JOIN master_codigo_postal cp ON cp.IdCodigoPostal = p.IdCodigoPostal
LEFT JOIN master_municipios m ON m.IdMunicipio = p.IdMunicipio
LEFT JOIN master_localidades l ON l.IdLocalidad = p.IdLocalidad;

CREATE VIEW vw_asignaciones_datos AS
SELECT a.IdAsignacion, p.SCodigo AS sCodigopersonal,
       CONCAT_WS(' ', p.SNombre, p.SAPaterno, p.SAMaterno) AS SNombreCompleto,
       c.SDescripcion AS Cargo, e.SDescripcion AS Estructura, g.sDescripcion AS GradoEstudios,
       TIMESTAMPDIFF(YEAR, p.DFechaNacimiento, CURDATE()) AS Edad, p.ESexo AS sGenero,
       z.SDescripcion AS Zona,
       CONCAT_WS(' ', li.SNombre, li.SAPaterno, li.SAMaterno) AS Lider,
       CONCAT_WS(' ', co.SNombre, co.SAPaterno, co.SAMaterno) AS Coordinador,
       CONCAT_WS(' ', ci.SNombre, ci.SAPaterno, ci.SAMaterno) AS CoordinadorIndep,
       CONCAT_WS(' ', ac.SNombre, ac.SAPaterno, ac.SAMaterno) AS Activista,
       CONCAT_WS(' ', p.SNombre, p.SAPaterno, p.SAMaterno) AS Personal,
       mo.sDescripcion AS Motivo, l.SLocalidad AS Localidad
FROM activ_asignaciones a
JOIN master_personal p ON p.IdPersonal = a.IdPersonal
LEFT JOIN activ_cargos c ON c.IdCargo = a.IdCargo
LEFT JOIN activ_estructuras e ON e.IdEstructura = a.IdEstructura
LEFT JOIN activ_grado_estudios g ON g.IdGradoEstudios = a.IdGradoEstudios
LEFT JOIN activ_zonas z ON z.IdZona = a.IdZona
LEFT JOIN master_personal li ON li.IdPersonal = a.IdLider
LEFT JOIN master_personal co ON co.IdPersonal = a.IdCoordinador
LEFT JOIN master_personal ci ON ci.IdPersonal = a.IdCoordinadorIndep
LEFT JOIN master_personal ac ON ac.IdPersonal = a.IdActivista
LEFT JOIN activ_motivos mo ON mo.IdMotivo = a.IdMotivo
LEFT JOIN master_localidades l ON l.IdLocalidad = a.IdLocalidad;
