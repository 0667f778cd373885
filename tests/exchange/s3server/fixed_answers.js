// A local HTTP server that gives the answers the S3 server never gives, so that the
// client's handling of them can be tried: the status and body are chosen by the last
// segment of the path. Requests without the three signing headers get 400.
//   .../respuesta-<status>               status, empty body
//   .../respuesta-<status>-sin-mensaje   status, an S3 error body without <Message>
const http = require('node:http')

const server = http.createServer((request, response) => {
    request.resume()
    request.on('end', () => {
        const signed = ['authorization', 'x-amz-date', 'x-amz-content-sha256'].every(
            (name) => name in request.headers
        )
        const last = decodeURIComponent(request.url.split('?')[0].split('/').pop())
        const match = /^respuesta-(\d{3})(-sin-mensaje)?$/.exec(last)
        if (!signed || !match) {
            response.writeHead(400, { 'Content-Type': 'text/plain' })
            response.end('solicitud inesperada')
            return
        }
        const status = Number(match[1])
        if (match[2]) {
            response.writeHead(status, { 'Content-Type': 'application/xml' })
            response.end('<?xml version="1.0" encoding="UTF-8"?><Error><Code>SlowDown</Code></Error>')
        } else {
            response.writeHead(status)
            response.end()
        }
    })
})

server.listen(0, '127.0.0.1', () => {
    console.info('Fixed answers listening on 127.0.0.1:%d', server.address().port)
})
