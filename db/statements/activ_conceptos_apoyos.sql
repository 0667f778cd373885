-- Support types. Parameters: IdConcepto, SCodigo, EActivo.
SELECT t.IdConcepto, t.SCodigo, t.SConcepto, t.EActivo
FROM activ_conceptos_apoyos t
WHERE (:IdConcepto = '-1' OR t.IdConcepto = :IdConcepto)
  AND (:SCodigo = '-1' OR t.SCodigo = :SCodigo)
  AND (:EActivo = '-1' OR t.EActivo = :EActivo)
ORDER BY t.IdConcepto
