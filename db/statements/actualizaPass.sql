-- Stores a user's password (backPass) so that the login reads it back with
-- AES_DECRYPT(sPassword, 'RTV8493'). backPassEsp is the same text typed again: nothing is
-- stored when the two differ. The administrator's row ("admin", any case) keeps the
-- password as typed, because the administrator login compares the stored value unchanged;
-- encrypting it would lock the administrator out after saving the own user row.
UPDATE master_usuarios
SET sPassword = IF(UPPER(sUsuario) = 'ADMIN', CAST(:backPass AS BINARY),
                   AES_ENCRYPT(:backPass, 'RTV8493'))
WHERE sUsuario = :usuario
  AND CAST(:backPass AS BINARY) = CAST(:backPassEsp AS BINARY)
