-- Optional schema "db_gral": which databases each login name may open. When a server holds
-- a schema named exactly db_gral, the login lists only the databases assigned here to the
-- name typed; without it, the login lists every database of the server.
--
-- Load it into its own schema:
--   db/server.sh sql -e "CREATE DATABASE db_gral CHARACTER SET utf8mb4"
--   db/server.sh sql db_gral < db/db_gral.sql
-- then give each login name its databases, for example:
--   INSERT INTO bd (id_bd, bd_user) VALUES (1, 'orva_demo');
--   INSERT INTO user_bd (useer, nombrees, id_bds) VALUES ('capturista', 'ROSA MARTINEZ ISLAS', 1);

-- The databases, by schema name.
CREATE TABLE bd (
  id_bd INT NOT NULL,
  bd_user VARCHAR(64) NOT NULL,
  PRIMARY KEY (id_bd),
  UNIQUE KEY ux_bd_nombre (bd_user)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- A login name (useer, compared as the login compares it) and a database it may open.
CREATE TABLE user_bd (
  useer VARCHAR(60) NOT NULL,
  nombrees VARCHAR(150) NOT NULL DEFAULT '',
  id_bds INT NOT NULL,
  PRIMARY KEY (useer, id_bds),
  KEY ix_userbd_bd (id_bds),
  CONSTRAINT fk_userbd_bd FOREIGN KEY (id_bds) REFERENCES bd (id_bd) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;
