// Starts the local S3-compatible server with the command-line options given to this
// script (the package ships no executable of its own).

// The server escapes the text of its XML answers twice, once itself and once more in the
// XML builder, so that a key "a&b" is listed as "a&amp;amp;b"; the storage service
// escapes it once ("a&amp;b"). The builder's own pass is switched off so that listings
// read as the service's do.
const serverMain = require.resolve('@20minutes/s3rver')
const { XMLBuilder } = require(require.resolve('fast-xml-parser', { paths: [serverMain] }))
XMLBuilder.prototype.replaceEntitiesValue = (text) => text

require('@20minutes/s3rver/lib/cli.js')
    .parseAsync(process.argv)
    .catch((error) => {
        console.error(error.message)
        process.exit(1)
    })
