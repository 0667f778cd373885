-- Base rows every database needs: folio settings, the positions with a fixed meaning,
-- the module options, the settings row and the report header row. People, users,
-- geography and other catalog rows are the organisation's own data.

-- Automatic codes. Codes are compared as text, so NumDig leaves room for millions of rows.
INSERT INTO master_cnf_folios (Tabla, Campo, Aplicar, Prefijo, NumDig, complemento) VALUES
('activ_partidos', 'SCodigo', 'Si', 'PAR', 6, ''),
('master_estado', 'SCodigo', 'Si', 'EST', 6, ''),
('activ_zonas', 'SCodigo', 'Si', 'ZON', 6, ''),
('master_municipios', 'SCodigo', 'Si', 'MUN', 6, ''),
('master_localidades', 'SCodigo', 'Si', 'LOC', 6, ''),
('master_codigo_postal', 'SCodigo', 'Si', 'CP', 6, ''),
('activ_cargos', 'SCodigo', 'Si', 'CAR', 6, ''),
('activ_estructuras', 'SCodigo', 'Si', 'ETR', 6, ''),
('activ_motivos', 'SCodigo', 'Si', 'MOT', 6, ''),
('activ_grado_estudios', 'sCodigo', 'Si', 'GES', 6, ''),
('activ_estado_civil', 'SCodigo', 'Si', 'ECV', 6, ''),
('activ_conceptos_apoyos', 'SCodigo', 'Si', 'APC', 6, ''),
('admin_roles', 'SCodigo', 'Si', 'ROL', 6, ''),
('activ_casillas', 'SCodigo', 'Si', 'CAS', 6, ''),
('master_personal', 'SCodigo', 'Si', 'PER', 7, ''),
('activ_apoyos', 'SCodigo', 'Si', 'APO', 7, '');

-- Positions with a fixed meaning: 1 leader, 2 coordinator, 3 activist, 4 the position a
-- new assignment starts with.
INSERT INTO activ_cargos (IdCargo, SCodigo, SDescripcion, EActivo) VALUES
(1, 'CAR000001', 'LÍDER', 'Si'),
(2, 'CAR000002', 'COORDINADOR', 'Si'),
(3, 'CAR000003', 'ACTIVISTA', 'Si'),
(4, 'CAR000004', 'PROMOVIDO', 'Si');

-- Modules. First the main window's commands, as the rights editor registers them: the
-- command's component name, its caption and its tab number (1 "Inicio Orva",
-- 16 "Dashboard Dazoduvav", 3 "Gestión Dazoduvav", 4 "Admin. & Config.").
INSERT INTO master_opciones (SNombreForm_Programa, SDescripcion, IdTab, EActivo) VALUES
('dxBarSelecciona_INI', 'Seleccion de Empresa', 1, 'Si'),
('cxDasboardRoziradad', 'Opciones Dashboard', 16, 'Si'),
('dxOptEstados', 'Estados', 3, 'Si'),
('dxOptZonas', 'Zonas', 3, 'Si'),
('dxOptMunicipios', 'Municipios', 3, 'Si'),
('dxOptSecciones', 'Secciones', 3, 'Si'),
('dxOptLocalidades', 'Localidades', 3, 'Si'),
('dxOptCodigoPostal', 'Códigos Postales', 3, 'Si'),
('dxOptCargos', 'Cargos', 3, 'Si'),
('dxOptEstructuras', 'Estructuras', 3, 'Si'),
('dxOptPartidos', 'Partidos', 3, 'Si'),
('dxOptCandidatos', 'Candidatos', 3, 'Si'),
('dxOptCampanias', 'Campañas', 3, 'Si'),
('dxOptMotivos', 'Motivos', 3, 'Si'),
('dxOptGradoEstudio', 'Grado de Estudios', 3, 'Si'),
('dxOptEstadoCivil', 'Estado Civil', 3, 'Si'),
('dxOptTiposApoyos', 'Tipos de Apoyos', 3, 'Si'),
('dxColaboradores', 'Colaboradores', 3, 'Si'),
('dxAsignaciones', 'Asignaciones', 3, 'Si'),
('dxApoyos', 'Apoyos Entregados', 3, 'Si'),
('dxHistorialAsignaciones', 'Historial Aginaciones', 3, 'Si'),
('dxAsignaciónMasiva', 'Asigación Masiva', 3, 'Si'),
('cxClavesElector', 'Claves Elector', 3, 'Si'),
('cxVencimientosCredencial', 'Vencimientos Credenciales', 3, 'Si'),
('cxUbicacionesCasillas', 'Ubicaciones Casillas', 3, 'Si'),
('cxCallCenter', 'Call Center', 3, 'Si'),
('dxReportesRoziradad', 'Reportes Dazoduvav', 3, 'Si'),
('dxBarAutofolios_CONF', 'Autofolios', 4, 'Si'),
('cxKardexMovimientos', 'Kardex Movimientos', 4, 'Si'),
('dxBarRecargaConsulta_CONF', 'Recargar Consultas SQL', 4, 'Si'),
('dxBarConfMail_CONF', 'Notifcaciones Email', 4, 'Si'),
('btnAWS', 'AWS', 4, 'Si'),
('btnImportarDatos', 'Importación Datos', 4, 'Si'),
('dxAcerca_CONF', 'Acerca de Software ORVA Dazoduvav', 4, 'Si'),
('dxUsuarios_CONF', 'Usuarios', 4, 'Si'),
('dxRoles', 'Roles', 4, 'Si'),
('btnConfBiom', 'Config. Biométrico', 4, 'Si'),
('dxAyuda_CONF', 'Soporte Software ORVA', 4, 'Si'),
('btnDescargasOrva', 'Descargas', 4, 'Si');

-- Then the keys that windows look their record rights up with where they differ from the
-- command that opens them, and the keys of the reports' options.
INSERT INTO master_opciones (SNombreForm_Programa, SDescripcion, IdTab, EActivo) VALUES
('dxUbicasionCasillas', 'Casillas (registros)', 3, 'Si'),
('frmKardex', 'Kardex de Movimientos (registros)', 4, 'Si'),
('dxHistorialMoto_CONF', 'Importación de Datos (registros)', 4, 'Si'),
('dxReporteApoyosEntregados', 'Reporte: Apoyos Entregados', 3, 'Si'),
('dxReporteArbolRoziradad', 'Reporte: Árbol de Dazoduvav', 3, 'Si'),
('dxReporteCumpleaños', 'Reporte: Cumpleaños', 3, 'Si'),
('dxReporteMovimientosRealizados', 'Reporte: Movimientos Realizados', 3, 'Si'),
('dxReportePromodidosGeneral', 'Reporte: Promovidos General', 3, 'Si'),
('dxReporteVigenciasVencidas', 'Reporte: Vigencias Vencidas', 3, 'Si');

-- The system settings row.
INSERT INTO configuracion (IdConfiguracion, sNombreEmpresa) VALUES (1, 'ORGANIZACIÓN');

-- The report header row.
INSERT INTO proyectos_inicio (sContrato, sLicitacion, sTitulo, sTipoObra, mDescripcion,
  mCliente, sUbicacion, sCodigo, sMascara, IdEmpresa, FK_titulo) VALUES
('1', '', 'REPORTE DE ACTIVISMO', 'ACTIVISMO', '', '', '', '1', '', 1, '');
