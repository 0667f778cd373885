-- Stores a user's password encrypted so that the login's AES_DECRYPT reads it back.
-- backPassEsp is accepted for the callers that bind it; the stored value is backPass.
UPDATE master_usuarios
SET sPassword = AES_ENCRYPT(:backPass, 'RTV8493')
WHERE sUsuario = :usuario AND (:backPassEsp = :backPassEsp)
