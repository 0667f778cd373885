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
