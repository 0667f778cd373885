-- The report header row. Parameter: Contrato.
SELECT t.sContrato, t.sLicitacion, t.sTitulo, t.sTipoObra, t.mDescripcion, t.mCliente,
       t.bImagen, t.sUbicacion, t.sCodigo, t.sMascara, t.IdEmpresa, t.FK_titulo
FROM proyectos_inicio t
WHERE (:Contrato = '-1' OR t.sContrato = :Contrato)
ORDER BY t.sContrato
